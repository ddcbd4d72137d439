#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class Control;
struct ControlArrayId;
struct ControlId;
class ConsoleReset;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class MidiDevices;
class PanelState;
class ScreenMetrics;

// The set-up window "Set up MIDI DEVICES": shows the devices, filters and delays that
// MidiDevices holds, and tells it what the player changes; OK opens the chosen devices and
// resets the console on them, CANCEL reopens the previous ones. Its lists are filled each time
// it opens, while the ports are closed: choosing an entry selects that device on its port.
// While it is open, devices that come and go appear in and leave its lists at once (and on
// Refresh), each list keeping the device the player had picked.
class MidiPortSetup : public ConsoleListener {
public:
    MidiPortSetup(const ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                  ScreenMetrics& screen, MidiDevices& devices, ConsoleUpdate& update,
                  ConsoleReset& reset);

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
    void Refresh_Click();

    void deviceListRead() override;

    // Brings the console in line after the set-up: lists, memory captions, reset.
    void Fine_Setup();

private:
    // Fills the three lists from the last scan and selects the stored choices, each selection
    // selecting that device on its port.
    void showDevices();
    // Fills the three lists from the last scan, each selecting the device of that name
    // ("No device" when it is no longer there).
    void fillLists(const QString (&selected)[3]);
    void closeWindow();
    Control& setupControl(const ControlId& id);
    Control& setupControl(const ControlArrayId& id, int index);

    const ConsoleState& state_;
    PanelState& panel_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
    MidiDevices& devices_;
    ConsoleUpdate& update_;
    ConsoleReset& reset_;
    // The delays as they were when the window opened, for CANCEL.
    int SavedSysexDelay = 0;
    int SavedNoteDelay = 0;
};

} // namespace vorlo
