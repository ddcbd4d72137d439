#pragma once

#include "MidiInputPort.h"
#include "MidiOutputPort.h"

#include <memory>

namespace vorlo {

// Makes the ports of one MIDI system (the platform's through RtMidi, or the in-process virtual
// one used by tests).
class MidiBackend {
public:
    virtual ~MidiBackend() = default;
    virtual std::unique_ptr<MidiInputPort> createInput() = 0;
    virtual std::unique_ptr<MidiOutputPort> createOutput() = 0;
};

} // namespace vorlo
