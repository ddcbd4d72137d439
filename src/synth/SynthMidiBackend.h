#pragma once

#include "BuiltInSynthConfig.h"
#include "MidiBackend.h"
#include "SynthWavRecorder.h"

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
    // Records the built-in synthesizer of the output made last (File > Record's WAV).
    AudioRecorder& audioRecorder() { return wavRecorder_; }

private:
    MidiBackend& system_;
    BuiltInSynthConfig config_;
    // The outputs made here hold it: they go before the backend.
    SynthWavRecorder wavRecorder_;
};

} // namespace vorlo
