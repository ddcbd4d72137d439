#pragma once

#include "RtMidiErrorTrap.h"

#include <RtMidi.h>

#include <QString>
#include <QStringList>

namespace vorlo {

// The device side that an input and the output port share: the devices the MIDI system
// offers, the device chosen, and the connection to it. Devices are known by name: a number
// chosen from the last list read is turned into a name at once, and the name is looked up
// again when the port opens, so devices that come and go in between (the console's own ports
// among them) cannot move the choice onto another device.
class RtMidiDeviceLink {
public:
    enum class Direction { Input, Output };

    // How often an open port makes sure its device is still there.
    static constexpr int kWatchIntervalMs = 1000;

    RtMidiDeviceLink(Direction direction, QString portName);
    ~RtMidiDeviceLink();
    RtMidiDeviceLink(const RtMidiDeviceLink&) = delete;
    RtMidiDeviceLink& operator=(const RtMidiDeviceLink&) = delete;

    // The port's RtMidi object, working with that MIDI system; it must outlive the link's use
    // of it. Its errors go to the link's trap from now on.
    void attach(RtMidi* midi, RtMidi::Api api);
    // There is no MIDI system (any more), for this reason: the link lets go of its RtMidi
    // object without asking anything of it (a device still open counts as open until
    // close()), and forgets the list it read.
    void setUnavailable(const QString& reason);
    QString noMidiSystemText() const;

    // Reads the current list from the MIDI system.
    int deviceCount();
    // The name at this index of the last list read (read now if none was yet); throws
    // MidiPortError for an index outside it.
    QString deviceName(int index);
    void select(int index);
    // Connects to the selected device; throws MidiPortError when it cannot.
    void open();
    void close();
    bool isOpen() const { return !openDevice_.isEmpty(); }
    // The device the port is connected to (empty when closed).
    const QString& openDevice() const { return openDevice_; }
    // The open device is still offered by the MIDI system. Usually one look-up.
    bool deviceStillThere();
    // An error the MIDI system reported outside any call of the port; warnings are dropped.
    bool takeLateError(QString& text);

    // The MIDI system the port works with (RtMidi::UNSPECIFIED when there is none).
    RtMidi::Api api() const { return midi_ ? api_ : RtMidi::UNSPECIFIED; }
    RtMidiErrorTrap& trap() { return trap_; }

    // The console's own ports, never offered as devices: a port connected to the console
    // itself would feed its output back into its input. The MIDI system names them after
    // the console, with a number added when the name is taken ("Vorlo2000-01:Input 2").
    static bool isOwnPort(const QString& name);

private:
    // How long an opened JACK connection is given to start carrying data.
    static constexpr unsigned long kJackConnectionDelayMs = 100;
    // How often the list is read again when it changes while being read.
    static constexpr int kListAttempts = 3;

    // The next deviceName() reads the list first.
    void forgetList();
    // All ports of the link's direction, in RtMidi's order.
    QStringList readPortNames();
    QStringList readDevices();
    // RtMidi's number for the device with this name, or -1.
    int portNumber(const QString& name);
    QString portNameAt(unsigned number);
    // "input" or "output", for the messages to the player.
    QString kind() const;

    Direction direction_;
    QString portName_;
    RtMidi* midi_ = nullptr;
    RtMidi::Api api_ = RtMidi::UNSPECIFIED;
    QString unavailableReason_;
    RtMidiErrorTrap trap_;
    QStringList devices_;
    bool listed_ = false;
    QString selected_;
    QString openDevice_;
    int openNumber_ = -1;
};

} // namespace vorlo
