#include "SynthMidiBackend.h"

#include "BuiltInSynthOutput.h"
#include "OutputWithBuiltInSynth.h"

namespace vorlo {

std::unique_ptr<MidiOutputPort> SynthMidiBackend::createOutput() {
    auto builtIn = std::make_unique<BuiltInSynthOutput>(config_);
    builtIn->setAudioRecorder(&wavRecorder_);
    return std::make_unique<OutputWithBuiltInSynth>(system_.createOutput(), std::move(builtIn));
}

} // namespace vorlo
