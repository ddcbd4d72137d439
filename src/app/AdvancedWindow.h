#pragma once

#include "BoundWidget.h"
#include "FormDialog.h"

class QBoxLayout;
class QGridLayout;
class QGroupBox;

namespace vorlo {

class PanelLabel;

// "Advanced Controls", laid out like a mixing desk: the Great and Swell balance and level
// faders, the Pedal level fader, the coupling of the level faders and the recall boxes beside
// them, and under them the temperament, its start note, the reverb and the tremolo. Modeless;
// the console refuses to close it.
class AdvancedWindow : public FormDialog {
    Q_OBJECT
public:
    AdvancedWindow(Console& console, Form& form, QWidget* parent = nullptr);

private:
    // A division's frame: its balance faders (index 1 Great, 2 Swell) and its level fader.
    QGroupBox* balanceFrame(const ControlId& frame, int index, const ControlId& level,
                            const ControlId& levelValue);
    QGroupBox* pedalFrame();
    QBoxLayout* couplingAndRecall();
    QGridLayout* settings();
    // One fader: heading (or a gap as high as one), vertical slider, value under it.
    QBoxLayout* strip(QWidget* heading, QWidget* slider, QWidget* value, int width);
    // Each styles the widget of its control; null stays null.
    QWidget* heading(PanelLabel* label);
    QWidget* fader(BoundSlider* slider);
    QWidget* value(PanelLabel* label);
    QWidget* caption(PanelLabel* label);

    int stripWidth_;
    int levelStripWidth_;
    int headingHeight_;
};

} // namespace vorlo
