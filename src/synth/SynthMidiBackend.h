#pragma once

#include "BuiltInSynthConfig.h"
#include "MidiBackend.h"

namespace vorlo {

// A MIDI system with the built-in synthesizer added to its outputs: inputs come from the
// wrapped system unchanged, the output lists its devices and then the synthesizer.
class SynthMidiBackend : public MidiBackend {
public:
    SynthMidiBackend(MidiBackend& system, const BuiltInSynthConfig& config)
        : system_(system), config_(config) {}

    std::unique_ptr<MidiInputPort> createInput() override { return system_.createInput(); }
    std::unique_ptr<MidiOutputPort> createOutput() override;
    // The built-in synthesizer never comes or goes: the wrapped system's watch tells it all.
    MidiSystemWatch* watch() override { return system_.watch(); }

private:
    MidiBackend& system_;
    BuiltInSynthConfig config_;
};

} // namespace vorlo
