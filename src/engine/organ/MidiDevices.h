#pragma once

#include "Dialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace vorlo {

class ConsoleListener;
class ConsoleReset;
class ConsoleState;
class MidiInputPort;
class MidiSystemWatch;
class PacedOutputPort;
class StartupProblems;

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
//
// A device is known by its name. The name each port uses is kept in the settings file beside
// the configuration's number; a stored name wins over the number: the device is looked for by
// its exact name, then by its name without the parts the MIDI system changes from run to run,
// and the number follows it to wherever it is found. A configuration without names works by
// its numbers, and the names are learnt from them. While the console plays (not while the
// set-up is open), the devices are followed as they come and go: a keyboard that returns is
// opened again with its filters, a module that returns is reset and given the whole
// registration. None of this asks the player anything: it is told through deviceNotice().
class MidiDevices {
public:
    // Whether a port's device is in use: not chosen, open, or chosen but not there.
    enum class Presence { Unused, Connected, Absent };
    struct Status {
        Presence presence = Presence::Unused;
        QString device; // the name of the device chosen (empty when unused)
    };

    // Applies the wire speed stored in the settings file to the output, and tells the player
    // what the ports report going wrong while they run. Follows the devices through watch
    // when the MIDI system has one (null: only the set-up reads the lists again).
    // While the start-up gathers problems, a failure is kept among them rather than shown.
    MidiDevices(ConsoleState& state, Dialogs& dialogs, ConsoleListener& events, MidiInputPort& in1,
                MidiInputPort& in2, PacedOutputPort& output, MidiSystemWatch* watch,
                ConsoleReset& reset, StartupProblems& problems);

    // The scan: every port's list afresh from the MIDI system, output first, each ending with
    // "No device", whose index becomes the port's "No device" index. A MIDI system that fails
    // part-way leaves the names found so far. Once the stored devices are known, each port's
    // number follows its device in the new lists.
    void MIDI_DEVICES_ACK();
    // The lists the set-up shows, read afresh.
    void scanForSetUp();
    // The names of the last scan, ending with "No device".
    const QStringList& deviceNames(MidiPort port) const;
    int noDeviceIndex(MidiPort port) const;
    DeviceChoice choice(MidiPort port) const;
    Status status(MidiPort port) const;
    // "Keyboard 1", "Keyboard 2", "Module": the port as the player knows it.
    static QString portTitle(MidiPort port);

    // Opens input 1, input 2 and the output from the stored choices. The first failure is told
    // to the player (at start-up, with its reason, among the start-up's problems); the
    // remaining ports are opened all the same, so that a keyboard that fails does not silence
    // the module. From then on the devices are followed.
    void MIDI_OPENING();
    // The start-up's look at what the player needs to know of the devices, once the ports are
    // opened: no MIDI system, a module that cannot sound, keyboards on a first start. A
    // console that sounds without a keyboard only says so on the status line: the on-screen
    // keyboard plays it.
    void reviewStart(bool configurationRead);
    // Closes each port whose choice is a device; a port's settings change only while it is
    // closed. The devices are no longer followed until the ports are opened again.
    void CHIUSURA_PORTE_MIDI();
    // A device picked in a list is selected on its port at once; the port is not opened.
    // "No device" and no selection (-1) leave the port as it is.
    void select(MidiPort port, int index);
    // The player confirmed the devices: each port given a device is opened (a failure is told,
    // the others are still opened) and the choices are stored, with the devices' names; no
    // selection counts as "No device", so no port opens on an undefined device.
    void useDevices(int input1, int input2, int output);
    // After the configuration is read: the devices stored by name are looked for in the lists
    // and the numbers follow them; the player is told of a device found at another place or
    // not at all. The output takes the built-in synthesizer on a first start (no configuration
    // file) and whenever the settings file says the player chose it; a stored number that now
    // falls on the built-in device, without that word, meant "No device" and keeps meaning it.
    void findStoredDevices(bool configurationRead);

    // Whether the output's choice is the built-in synthesizer (open or not).
    bool outputIsBuiltIn();
    // The output's device was given new settings (the built-in synthesizer's sound): the port
    // closes and opens again on the device it has, known from now on by the name it gives now,
    // and the module is brought back in line. An output without a device stays closed. False,
    // with the port's reason, when it does not open: the port stays closed, the console runs.
    bool reopenOutput(QString* error = nullptr);

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
    bool isOpen(MidiPort port);
    void open(MidiPort port, int device);
    void close(MidiPort port);
    // Sets each port's number from the device it wants in the lists just read; tells the player
    // where a stored device was found when told is true.
    void placeChoices(bool tell);
    void storeWanted(MidiPort port);
    // The lists changed: reads them again and, while the devices are followed, closes the ports
    // whose device went and opens those whose device came.
    void follow();
    void systemLost();
    void systemBack();
    void rememberBuiltInChoice();
    void notice(const QString& text);
    // The one way a device failure reaches the player.
    void reportFailure(MidiPort port, const QString& text, Dialogs::Icon icon);
    // A failure of a port as a start-up problem: the MIDI system, the built-in synthesizer or
    // the port's device, with what to do about it. Opening the built-in synthesizer fails for
    // its audio; any other failure while no MIDI system is there is the system's.
    StartupProblem problemOf(MidiPort port, const QString& text, bool opening) const;
    bool builtInChosen() const;
    bool noMidiSystem() const;
    void connectPortErrors();
    void connectWatch();

    ConsoleState& state_;
    Dialogs& dialogs_;
    ConsoleListener& events_;
    MidiInputPort& in1_;
    MidiInputPort& in2_;
    PacedOutputPort& paced_;
    MidiSystemWatch* watch_;
    ConsoleReset& reset_;
    StartupProblems& problems_;
    std::array<QStringList, 3> names_;
    // The device each port wants: a name, "No device", or nothing known (the number decides).
    std::array<QString, 3> wanted_;
    // The device each port was opened on (empty while closed).
    std::array<QString, 3> openName_;
    // The port reported its device lost: the error that follows is news, not a failure.
    std::array<bool, 3> lostReported_{};
    bool wantedKnown_ = false;
    bool following_ = false;
    bool followRunning_ = false;
    bool followAgain_ = false;
    // Keeps the ports' error connections no longer than this object.
    QObject connections_;
};

} // namespace vorlo
