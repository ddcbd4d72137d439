#pragma once

#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "MidiSystemWatch.h"

#include <memory>

namespace vorlo {

// Makes the ports of one MIDI system (the platform's through RtMidi, or the in-process virtual
// one used by tests).
class MidiBackend {
public:
    virtual ~MidiBackend() = default;
    virtual std::unique_ptr<MidiInputPort> createInput() = 0;
    virtual std::unique_ptr<MidiOutputPort> createOutput() = 0;
    // What the system tells of its devices coming and going; null when it tells nothing (the
    // console then reads the lists only when the set-up opens). Lives as long as the backend.
    virtual MidiSystemWatch* watch() { return nullptr; }
};

} // namespace vorlo
