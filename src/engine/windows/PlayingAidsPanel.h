#pragma once

#include "ConsoleListener.h"

#include <QString>

namespace vorlo {

class Form;
class PanelState;

// The main window's transposer display: the transposition in force, signed ("Transp. +2"),
// with its - and + buttons greyed at either end of the range; the Undo and Redo buttons greyed
// while there is nothing to undo or redo.
class PlayingAidsPanel : public ConsoleListener {
public:
    explicit PlayingAidsPanel(PanelState& panel);

    void transpositionShown(int semitones) override;
    void historyShown(bool canUndo, bool canRedo) override;

    // What the display reads for a transposition.
    static QString transpositionText(int semitones);

private:
    Form& main_;
};

} // namespace vorlo
