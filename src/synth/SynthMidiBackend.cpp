#include "SynthMidiBackend.h"

#include "BuiltInSynthOutput.h"
#include "OutputWithBuiltInSynth.h"

namespace vorlo {

std::unique_ptr<MidiOutputPort> SynthMidiBackend::createOutput() {
    return std::make_unique<OutputWithBuiltInSynth>(system_.createOutput(),
                                                    std::make_unique<BuiltInSynthOutput>(config_));
}

} // namespace vorlo
