#pragma once

#include <cstdint>

namespace vorlo {

class ConsoleState;
class Form;
class ConsoleListener;
class PanelLayout;
class PanelState;
class ScreenMetrics;

// The thru mode: how incoming channels are mapped onto the division channels, the panel's
// body button and the "Thru Mode" window with its channel learning.
class Thru {
public:
    Thru(ConsoleState& state, PanelState& panel, ScreenMetrics& screen, PanelLayout& layout,
         ConsoleListener& indicators);

    // Panel button: next body (Great, Swell, Pedal).
    void THRUBUTTON_Click();
    // Shows and places the body button and the sub-octave button for the mode and panel.
    void ADATTA_PULSANTE_THRU();
    // Repaints the body button for the live body (memory recall, reset); does not advance it.
    void refreshThruButton();

    // Menu "Midi &Thru..." and the window's handlers.
    void MidiThru_Click();
    void Form_Load();
    void refresh();
    void Thru_choose_Click(int index);
    void Custom_Thru_label_Click(int index);
    void Command1_Click(); // OK
    void Command2_Click(); // CANCEL

private:
    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    ScreenMetrics& screen_;
    PanelLayout& layout_;
    ConsoleListener& indicators_;
    int16_t ThruModeSaved = 0;
};

} // namespace vorlo
