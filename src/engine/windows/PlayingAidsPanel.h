#pragma once

#include "ConsoleListener.h"

#include <QString>

namespace vorlo {

class Form;
class PanelState;

// The main window's transposer display: the transposition in force, signed ("Transp. +2"),
// with its - and + buttons greyed at either end of the range.
class PlayingAidsPanel : public ConsoleListener {
public:
    explicit PlayingAidsPanel(PanelState& panel);

    void transpositionShown(int semitones) override;

    // What the display reads for a transposition.
    static QString transpositionText(int semitones);

private:
    Form& main_;
};

} // namespace vorlo
