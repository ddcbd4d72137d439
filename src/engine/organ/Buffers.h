#pragma once

namespace vorlo {

class ConsoleListener;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class RecoveryCopy;

// The temporary buffers S1/S2 and L1/L2, and clearing the free memories.
class Buffers {
public:
    Buffers(ConsoleState& state, ConsoleListener& listener, Dialogs& dialogs, ConsoleUpdate& update,
            RecoveryCopy& recovery);

    // index 0 or 1; any other index does nothing.
    void storeBuffer(int index);
    void loadBuffer(int index);
    // The free memories back to their start values, after a question if they are unsaved.
    void clearFreeMemories();

    // A buffer counts as filled once it has been stored this run (or came back from the
    // recovery copy); it stays filled, and its store button lit, from then on.
    bool isFilled(int index) const;
    // Marks a buffer filled whose contents came back from the recovery copy.
    void markFilled(int index);

private:
    ConsoleState& state_;
    ConsoleListener& listener_;
    Dialogs& dialogs_;
    ConsoleUpdate& update_;
    RecoveryCopy& recovery_;
    bool filled_[2] = {false, false};
};

} // namespace vorlo
