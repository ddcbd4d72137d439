#pragma once

#include <QString>
#include <cstdint>

namespace vorlo {

class Control;
struct ControlArrayId;
struct ControlId;
class Form;
class ConsoleReset;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class MidiInputPort;
class PacedOutputPort;
class PanelState;
class ScreenMetrics;

// The three MIDI ports and the set-up window "Set up MIDI DEVICES": device scan, opening and
// closing, the input filters and the two sending delays.
class MidiPortSetup {
public:
    // Applies the wire speed stored in the settings file to the output.
    MidiPortSetup(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ScreenMetrics& screen,
                  MidiInputPort& in1, MidiInputPort& in2, PacedOutputPort& output,
                  ConsoleUpdate& update, ConsoleReset& reset);

    // Stores the output's wire speed in the settings file and applies it (0 = off).
    bool setWireSpeed(int baud, QString* error = nullptr);

    // Fills the three device lists, each ending with "No device", and records the index of
    // that entry for each port.
    void MIDI_DEVICES_ACK();
    // Opens input 1, input 2 and the output from the stored choices. The first failure is told
    // to the player and leaves the remaining ports closed.
    void MIDI_OPENING();
    void CHIUSURA_PORTE_MIDI();
    // After the configuration is read: the output takes the built-in synthesizer on a first
    // start (no configuration file) and whenever the settings file says the player chose it,
    // whatever number the configuration stored; a stored number that now falls on the
    // built-in device, without that word, meant "No device" and keeps meaning it.
    void takeBuiltInChoice(bool configurationRead);

    // Menu "&Midi Devices".
    void SetMidi_Click();
    // Set-up window.
    void Form_Load();
    void InputDev1Combo_Click();
    void InputDev2Combo_Click();
    void outputDevcombo_Click();
    void Check_Filters_Click(int index);
    void Slider1_Scroll();
    void Slider2_Scroll();
    void Command1_Click(); // OK
    void Command3_Click(); // CANCEL

    // Brings the console in line after the set-up: lists, memory captions, reset.
    void Fine_Setup();

private:
    void setFilters(MidiInputPort& port);
    void openInput(MidiInputPort& port, int device);
    void selectListEntries();
    void closeWindow();
    void rememberBuiltInChoice();
    Control& setupControl(const ControlId& id);
    Control& setupControl(const ControlArrayId& id, int index);

    // A device chosen in a list is selected on its port at once; the port is opened only by OK.
    template <typename Port> void selectChosenDevice(Control& list, Port& port, int noDevice);

    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
    MidiInputPort& in1_;
    MidiInputPort& in2_;
    PacedOutputPort& paced_;
    ConsoleUpdate& update_;
    ConsoleReset& reset_;
    int16_t SavedSysexDelay = 0;
    int16_t SavedNoteDelay = 0;
};

} // namespace vorlo
