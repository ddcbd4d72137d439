#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class ConsoleState;
class Form;
class PanelLayout;
class PanelState;
class ScreenMetrics;
class Thru;

// The "Thru Mode" window and the main window's thru button: hands the window's choices to
// Thru and shows the mode, the custom channels, the body learned and the body played as
// announced.
class ThruModeWindow : public ConsoleListener {
public:
    ThruModeWindow(ConsoleState& state, PanelState& panel, ScreenMetrics& screen,
                   PanelLayout& layout, Thru& thru);

    // Shows and places the body button and the sub-octave button for the mode and panel.
    void ADATTA_PULSANTE_THRU();

    // Menu "Midi &Thru..." and the window's handlers.
    void MidiThru_Click();
    void Form_Load();
    void Thru_choose_Click(int index);
    void Custom_Thru_label_Click(int index);
    void Command1_Click(); // OK
    void Command2_Click(); // CANCEL

    // The body button shows the live body (normal mode) and is placed for the mode.
    void thruBodyChanged() override;
    // The window's labels show the mode and the custom channels.
    void thruModeShown() override;
    void thruLearningShown(int body) override;
    void thruChannelLearned(int body, int channel) override;

private:
    void close();

    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    Form& window_;
    ScreenMetrics& screen_;
    PanelLayout& layout_;
    Thru& thru_;
};

} // namespace vorlo
