#pragma once

namespace vorlo {

class Console;

// The temporary buffers S1/S2 and L1/L2, and the button that clears the free memories.
class Buffers {
public:
    explicit Buffers(Console& console);

    void TempMemButton_Click(int index);
    void LoadBuffer_Click(int index);
    void CLEAR_Click();

private:
    Console& console_;
};

} // namespace vorlo
