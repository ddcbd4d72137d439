#include "SoundSettings.h"

#include "SettingsFile.h"

#include <algorithm>
#include <cmath>

namespace vorlo {
namespace {

constexpr double kDbPerDecade = 20.0;

QString key(const char* name) {
    return QString::fromLatin1(name);
}

} // namespace

SoundSettings SoundSettings::read(const SettingsFile& settings) {
    SoundSettings s;
    s.soundFont = settings.value(key(kSoundFontKey)).toString();
    s.audioDriver = settings.value(key(kAudioDriverKey)).toString().trimmed();
    s.audioDevice = settings.value(key(kAudioDeviceKey)).toString().trimmed();
    bool ok = false;
    const int frames = settings.value(key(kBufferSizeKey)).toInt(&ok);
    if (ok)
        s.bufferFrames = std::clamp(frames, kMinBufferFrames, kMaxBufferFrames);
    const double rate = settings.value(key(kSampleRateKey)).toDouble(&ok);
    if (ok && rate >= kMinSampleRate && rate <= kMaxSampleRate)
        s.sampleRate = rate;
    const double volume = settings.value(key(kVolumeKey)).toDouble(&ok);
    if (ok && std::isfinite(volume))
        s.volumeDb = static_cast<int>(
            std::lround(std::clamp(volume, double(kMinVolumeDb), double(kMaxVolumeDb))));
    return s;
}

bool SoundSettings::write(SettingsFile& settings, const SoundSettings& before,
                          QString* error) const {
    const struct {
        const char* name;
        bool changed;
        QVariant value;
    } values[] = {
        {kSoundFontKey, soundFont != before.soundFont, soundFont},
        {kAudioDriverKey, audioDriver != before.audioDriver, audioDriver},
        {kAudioDeviceKey, audioDevice != before.audioDevice, audioDevice},
        {kBufferSizeKey, bufferFrames != before.bufferFrames, bufferFrames},
        {kSampleRateKey, sampleRate != before.sampleRate,
         static_cast<int>(std::lround(sampleRate))},
        {kVolumeKey, volumeDb != before.volumeDb, volumeDb},
    };
    for (const auto& v : values) {
        if (v.changed && !settings.setValue(key(v.name), v.value, error))
            return false;
    }
    return true;
}

double SoundSettings::factorOfDb(int db) {
    return db == 0 ? 1.0 : std::pow(10.0, db / kDbPerDecade);
}

} // namespace vorlo
