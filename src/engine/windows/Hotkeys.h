#pragma once

#include "ConsoleCommand.h"

#include <optional>

namespace vorlo {

class CommandExecutor;
class Form;

// Function keys recall the free memories, the digit row the fixed memories; Page Up and Page
// Down step through the memory sequence; '-' and '+' move the transposer; Ctrl+Z and Ctrl+Y undo
// and redo the registration.
class Hotkeys {
public:
    // main: the main window, whose key events the hotkeys take.
    Hotkeys(Form& main, CommandExecutor& commands);

    // Virtual key codes: F1..F12 are 112..123 and recall free memories 1..12; Page Up (33) and
    // Page Down (34) recall the previous and the next memory of the sequence.
    void Form_KeyDown(int keyCode, int shift);
    // Windows-1252 character codes: '1'..'9' recall fixed memories 1..9, '0' fixed memory 10,
    // the apostrophe 11 and 'ì' (236) 12; '-' and '+' transpose a semitone down and up; the
    // control characters of Ctrl+Z (26) and Ctrl+Y (25) undo and redo the registration.
    void Form_KeyPress(int charCode);

    // The command a key or a character stands for; none for every other one.
    static std::optional<ConsoleCommand> keyDownCommand(int keyCode);
    static std::optional<ConsoleCommand> keyPressCommand(int charCode);

private:
    CommandExecutor& commands_;
};

} // namespace vorlo
