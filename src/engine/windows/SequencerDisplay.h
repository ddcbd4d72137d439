#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class PanelState;
struct ConsoleState;

// The main window's bank caption: the bank whose memories are shown and the memory of the
// sequence in force ("Bank 3 · 7"), or the bank alone before any of its memories is recalled;
// and the crescendo's caption with its stage ("Cresc 12").
class SequencerDisplay : public ConsoleListener {
public:
    SequencerDisplay(const ConsoleState& state, PanelState& panel);

    // The caption the state gives.
    static QString caption(int bank, int memory);
    void show();

    void bankShown(int bank, int memory) override;
    void freeMemoryShown(int i, MemoryLight light) override;
    void resetShown(ResetStep step) override;
    void crescendoShown(int stage) override;

private:
    const ConsoleState& state_;
    PanelState& panel_;
};

} // namespace vorlo
