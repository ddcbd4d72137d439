#pragma once

namespace vorlo {

class Console;

// Function keys recall the free memories, the digit row the fixed memories.
class Hotkeys {
public:
    explicit Hotkeys(Console& console);

    // Virtual key codes: F1..F12 are 112..123 and recall free memories 1..12.
    void Form_KeyDown(int keyCode, int shift);
    // Windows-1252 character codes: '1'..'9' recall fixed memories 1..9, '0' fixed memory 10,
    // the apostrophe 11 and 'ì' (236) 12.
    void Form_KeyPress(int charCode);

private:
    Console& console_;
};

} // namespace vorlo
