#pragma once

#include "SoundSystem.h"

namespace vorlo {

class SynthMidiBackend;

// The built-in synthesizer's sound for the console's Sound window: FluidSynth's audio drivers
// and the devices they list, the settings in effect, a SoundFont's presets read for the tones an
// organ asks for (as the synthesizer would choose them), and new settings handed to the
// synthesizer outputs of the backend.
class BuiltInSynthSound : public SoundSystem {
public:
    // settings: those the backend's synthesizers were made with.
    BuiltInSynthSound(SynthMidiBackend& backend, const SoundSettings& settings,
                      const QString& appDir);

    // Every driver FluidSynth was built with that can play the synthesizer's own rendering
    // (its "file" driver cannot).
    QStringList audioDrivers() override;
    // The values FluidSynth offers for the driver's device setting.
    QStringList audioDevices(const QString& driver) override;
    QString driverInUse() override;
    SoundSettings settings() override { return settings_; }
    QString automaticSoundFont() override;
    // Reads only the presets' headers, not their samples.
    SoundFontCheck checkSoundFont(const QString& path, const QList<Tone>& tones) override;
    QString apply(const SoundSettings& settings) override;

private:
    SynthMidiBackend& backend_;
    SoundSettings settings_;
    QString appDir_;
};

} // namespace vorlo
