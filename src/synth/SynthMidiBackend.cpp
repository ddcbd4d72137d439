#include "SynthMidiBackend.h"

#include "BuiltInSynthOutput.h"
#include "OutputWithBuiltInSynth.h"

namespace vorlo {

std::unique_ptr<MidiOutputPort> SynthMidiBackend::createOutput() {
    auto synth = std::make_unique<BuiltInSynthOutput>(config_);
    synth->setAudioRecorder(&wavRecorder_);
    outputs_.removeAll(nullptr);
    outputs_.append(synth.get());
    return std::make_unique<OutputWithBuiltInSynth>(system_.createOutput(), std::move(synth));
}

bool SynthMidiBackend::setConfig(const BuiltInSynthConfig& config) {
    const QString recordPath = config_.recordPath;
    config_ = config;
    config_.recordPath = recordPath;
    bool taken = true;
    for (BuiltInSynthOutput* output : synthOutputs())
        taken = output->setConfig(config_) && taken;
    return taken;
}

QList<BuiltInSynthOutput*> SynthMidiBackend::synthOutputs() const {
    QList<BuiltInSynthOutput*> alive;
    for (const QPointer<BuiltInSynthOutput>& output : outputs_) {
        if (output)
            alive.append(output.data());
    }
    return alive;
}

} // namespace vorlo
