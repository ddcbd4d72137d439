#pragma once

#include <cstdint>

namespace vorlo {

struct ControlArrayId;
struct ControlId;

class Console;
class Control;
class MidiInputPort;

// The three MIDI ports and the set-up window "Set up MIDI DEVICES": device scan, opening and
// closing, the input filters and the two sending delays.
class MidiPortSetup {
public:
    explicit MidiPortSetup(Console& console);

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

    Console& console_;
    int16_t SavedSysexDelay = 0;
    int16_t SavedNoteDelay = 0;
};

} // namespace vorlo
