#pragma once

namespace vorlo {

class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class Form;
class PanelState;
class RecoveryCopy;

// The temporary buffers S1/S2 and L1/L2, and the button that clears the free memories.
class Buffers {
public:
    Buffers(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ConsoleUpdate& update,
            RecoveryCopy& recovery);

    void TempMemButton_Click(int index);
    void LoadBuffer_Click(int index);
    void CLEAR_Click();

    // A buffer counts as filled once its store button has been used this run; the button
    // stays lit from then on.
    bool isFilled(int index) const;
    // Marks a buffer filled whose contents came back from the recovery copy.
    void markFilled(int index);

private:
    ConsoleState& state_;
    Form& main_;
    Dialogs& dialogs_;
    ConsoleUpdate& update_;
    RecoveryCopy& recovery_;
};

} // namespace vorlo
