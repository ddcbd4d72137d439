#pragma once

#include "Dialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace vorlo {

class ConsoleListener;
class ConsoleState;
class MidiInputPort;
class PacedOutputPort;

// The console's three MIDI ports: one input per keyboard and the output to the sound module.
enum class MidiPort { Input1, Input2, Output };

// The device a port uses: its index in the port's device list and the name the last scan found
// there. The list's "No device" index means the port is unused; its name is "No device". An
// index the last scan did not reach has no name.
struct DeviceChoice {
    int index = 0;
    QString name;
};

// The MIDI devices: what the scan found for each port (each list ending with "No device"),
// which device each port uses, opening and closing them, the input filters, the two sending
// delays, the output's wire speed and the built-in synthesizer choice. Every failure of a
// device reaches the player through one path. Listeners hear devicesChanged() after a scan,
// after the choices changed and after the ports were opened or closed.
class MidiDevices {
public:
    // Applies the wire speed stored in the settings file to the output, and tells the player
    // what the ports report going wrong while they run.
    MidiDevices(ConsoleState& state, Dialogs& dialogs, ConsoleListener& events, MidiInputPort& in1,
                MidiInputPort& in2, PacedOutputPort& output);

    // The scan: every port's list afresh from the MIDI system, output first, each ending with
    // "No device", whose index becomes the port's "No device" index. A MIDI system that fails
    // part-way leaves the names found so far.
    void MIDI_DEVICES_ACK();
    // The lists the set-up shows: the start-up scan the first time, a new scan afterwards.
    void scanForSetUp();
    // The names of the last scan, ending with "No device".
    const QStringList& deviceNames(MidiPort port) const;
    int noDeviceIndex(MidiPort port) const;
    DeviceChoice choice(MidiPort port) const;

    // Opens input 1, input 2 and the output from the stored choices. The first failure is told
    // to the player and leaves the remaining ports closed.
    void MIDI_OPENING();
    // Closes each port whose choice is a device; a port's settings change only while it is
    // closed.
    void CHIUSURA_PORTE_MIDI();
    // A device picked in a list is selected on its port at once; the port is not opened.
    // "No device" and no selection (-1) leave the port as it is.
    void select(MidiPort port, int index);
    // The player confirmed the devices: each port given a device is opened (a failure is told,
    // the others are still opened) and the choices are stored; no selection counts as
    // "No device", so no port opens on an undefined device.
    void useDevices(int input1, int input2, int output);
    // After the configuration is read: the output takes the built-in synthesizer on a first
    // start (no configuration file) and whenever the settings file says the player chose it,
    // whatever number the configuration stored; a stored number that now falls on the
    // built-in device, without that word, meant "No device" and keeps meaning it.
    void takeBuiltInChoice(bool configurationRead);

    // The eight input filters in the order of midi::kFilterStatus (true = rejected); both
    // inputs take them when they are opened. An index outside 0..7 names no filter.
    bool filter(int index) const;
    void setFilter(int index, bool reject);
    // The pause after each system-exclusive message and the note delay, 0..100; both take
    // effect at once.
    int sysexDelay() const;
    void setSysexDelay(int ms);
    int noteDelay() const;
    void setNoteDelay(int delay);

    // The output's wire speed in baud (0 = off).
    int wireSpeed() const;
    // Stores the wire speed in the settings file and applies it.
    bool setWireSpeed(int baud, QString* error = nullptr);

private:
    // Runs f on the port given, whichever kind it is.
    template <typename F> decltype(auto) onPort(MidiPort port, F&& f);
    int16_t& chosen(MidiPort port) const;
    int16_t& noDevice(MidiPort port) const;
    void open(MidiPort port, int device);
    void rememberBuiltInChoice();
    // The one way a device failure reaches the player.
    void reportFailure(MidiPort port, const QString& text, Dialogs::Icon icon);
    void connectPortErrors();

    ConsoleState& state_;
    Dialogs& dialogs_;
    ConsoleListener& events_;
    MidiInputPort& in1_;
    MidiInputPort& in2_;
    PacedOutputPort& paced_;
    std::array<QStringList, 3> names_;
    // Keeps the ports' error connections no longer than this object.
    QObject connections_;
};

} // namespace vorlo
