#pragma once

#include "BuiltInSynthConfig.h"
#include "MidiBackend.h"
#include "SynthWavRecorder.h"

#include <QList>
#include <QPointer>

namespace vorlo {

class BuiltInSynthOutput;

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

    // The settings the built-in synthesizers take: every output made so far gets them (the
    // volume at once, the rest at its next opening), and so does every output made later.
    // False when a recording keeps an output on its SoundFont and sample rate until the end.
    bool setConfig(const BuiltInSynthConfig& config);
    const BuiltInSynthConfig& config() const { return config_; }
    // The built-in synthesizers made and still there.
    QList<BuiltInSynthOutput*> synthOutputs() const;

private:
    MidiBackend& system_;
    BuiltInSynthConfig config_;
    QList<QPointer<BuiltInSynthOutput>> outputs_;
    // The outputs made here hold it: they go before the backend.
    SynthWavRecorder wavRecorder_;
};

} // namespace vorlo
