#pragma once

#include "MidiSystemWatch.h"

namespace vorlo {

// The in-process MIDI system's watch: tells of every change a test makes to its device lists,
// on the next turn of the event loop, and of the system stopped and started again.
class VirtualMidiWatch : public MidiSystemWatch {
    Q_OBJECT
public:
    bool systemAvailable() const override { return running_; }
    QString howChangesAreSeen() const override;

    // The lists changed: devicesChanged() follows once, however many changes came meanwhile.
    void listsChanged();
    void setRunning(bool running);

private:
    bool running_ = true;
    bool pending_ = false;
};

} // namespace vorlo
