#pragma once

#include <QObject>
#include <QString>

namespace vorlo {

// Tells the console when the MIDI system's devices may have changed and when the MIDI system
// itself went away or came back. How it learns this is the backend's business: notices from
// the system where it sends them, a look at the device lists on a timer where it does not.
// Nothing of it runs on the note path: the signals are raised on the thread that owns the
// watch (the user-interface thread), never from a MIDI callback.
class MidiSystemWatch : public QObject {
    Q_OBJECT
public:
    explicit MidiSystemWatch(QObject* parent = nullptr) : QObject(parent) {}

    // A MIDI system is there to list and open devices.
    virtual bool systemAvailable() const = 0;
    // Why no MIDI system is there, in the system's own words ("JACK server not running");
    // empty when one is there or nothing is known.
    virtual QString unavailableReason() const { return {}; }
    // How this watch learns of changes, for the player and the log ("JACK notifications",
    // "a look at the device lists every second").
    virtual QString howChangesAreSeen() const = 0;

signals:
    // Devices may have appeared or disappeared: the lists are worth reading again.
    void devicesChanged();
    // The MIDI system went away (a JACK server stopped). Every open port has closed and said
    // so through its deviceLost(); nothing can be listed or opened until systemBack().
    void systemLost();
    // A MIDI system is there again (or for the first time): the ports work with it, closed,
    // and the lists are worth reading again.
    void systemBack();
};

} // namespace vorlo
