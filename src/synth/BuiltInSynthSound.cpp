#include "BuiltInSynthSound.h"

#include "BuiltInSynthConfig.h"
#include "BuiltInSynthOutput.h"
#include "SynthCore.h"
#include "SynthMidiBackend.h"

#include <QFile>
#include <QFileInfo>
#include <fluidsynth.h>
#include <memory>

namespace vorlo {
namespace {

// FluidSynth's driver that writes a file of its own rendering and cannot take ours.
constexpr char kFileDriver[] = "file";
// Enough for a synthesizer that only reads presets.
constexpr int kCheckChannels = 16;
constexpr int kCheckPolyphony = 16;

void addOption(void* data, const char*, const char* option) {
    static_cast<QStringList*>(data)->append(QString::fromUtf8(option));
}

QStringList optionsOf(const char* setting) {
    QStringList options;
    fluid_settings_t* s = new_fluid_settings();
    fluid_settings_foreach_option(s, setting, &options, addOption);
    delete_fluid_settings(s);
    return options;
}

struct SettingsDeleter {
    void operator()(fluid_settings_t* s) const { delete_fluid_settings(s); }
};
struct SynthDeleter {
    void operator()(fluid_synth_t* s) const { delete_fluid_synth(s); }
};

SoundSystem::ToneSource sourceOf(SynthCore::ToneSource s) {
    switch (s) {
    case SynthCore::ToneSource::Own:
        return SoundSystem::ToneSource::Own;
    case SynthCore::ToneSource::Capital:
        return SoundSystem::ToneSource::Capital;
    case SynthCore::ToneSource::Missing:
        break;
    }
    return SoundSystem::ToneSource::Missing;
}

} // namespace

BuiltInSynthSound::BuiltInSynthSound(SynthMidiBackend& backend, const SoundSettings& settings,
                                     const QString& appDir)
    : backend_(backend), settings_(settings), appDir_(appDir) {}

QStringList BuiltInSynthSound::audioDrivers() {
    QStringList drivers = optionsOf("audio.driver");
    drivers.removeAll(QLatin1String(kFileDriver));
    return drivers;
}

QStringList BuiltInSynthSound::audioDevices(const QString& driver) {
    const QByteArray key = BuiltInSynthOutput::deviceSetting(driver);
    return key.isEmpty() ? QStringList() : optionsOf(key.constData());
}

QString BuiltInSynthSound::driverInUse() {
    for (BuiltInSynthOutput* output : backend_.synthOutputs()) {
        if (output->isOpen() && !output->audioDriver().isEmpty())
            return output->audioDriver();
    }
    return {};
}

QString BuiltInSynthSound::automaticSoundFont() {
    return BuiltInSynthConfig::automaticSoundFont(appDir_);
}

SoundSystem::SoundFontCheck BuiltInSynthSound::checkSoundFont(const QString& path,
                                                              const QList<Tone>& tones) {
    SoundFontCheck check;
    if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable()) {
        check.error = QStringLiteral("\"%1\" cannot be read").arg(path);
        return check;
    }
    std::unique_ptr<fluid_settings_t, SettingsDeleter> settings(new_fluid_settings());
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings.get(), "synth.midi-channels", kCheckChannels);
    fluid_settings_setint(settings.get(), "synth.polyphony", kCheckPolyphony);
    std::unique_ptr<fluid_synth_t, SynthDeleter> synth(new_fluid_synth(settings.get()));
    const int id =
        synth ? fluid_synth_sfload(synth.get(), QFile::encodeName(path).constData(), 0) : -1;
    fluid_sfont_t* font = id >= 0 ? fluid_synth_get_sfont_by_id(synth.get(), id) : nullptr;
    if (!font) {
        check.error = QStringLiteral("\"%1\" is not a SoundFont").arg(path);
        return check;
    }
    check.loaded = true;
    for (const Tone& t : tones)
        check.sources << sourceOf(SynthCore::toneSource(font, t.variation, t.program));
    return check;
}

QString BuiltInSynthSound::apply(const SoundSettings& settings) {
    settings_ = settings;
    BuiltInSynthConfig config = BuiltInSynthConfig::fromSoundSettings(settings, appDir_);
    // The program's own sine SoundFont stays the one the synthesizer was made with.
    config.sineSoundFont = backend_.config().sineSoundFont;
    if (backend_.setConfig(config))
        return {};
    return QStringLiteral("The built-in GS synthesizer records to a file: a new SoundFont or "
                          "sample rate takes effect at the program's next start.");
}

} // namespace vorlo
