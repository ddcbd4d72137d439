#include "BuiltInSynthConfig.h"

#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace vorlo {

QStringList BuiltInSynthConfig::soundFontCandidates(const QString& appDir) {
    return {QDir(appDir).filePath(QStringLiteral("vorlo2000.sf2")),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
            QStringLiteral("/usr/share/soundfonts/default.sf2")};
}

QString BuiltInSynthConfig::automaticSoundFont(const QString& appDir) {
    for (const QString& candidate : soundFontCandidates(appDir)) {
        if (QFileInfo(candidate).isReadable())
            return candidate;
    }
    return {};
}

BuiltInSynthConfig BuiltInSynthConfig::fromSoundSettings(const SoundSettings& sound,
                                                         const QString& appDir) {
    BuiltInSynthConfig c;
    c.soundFont = sound.soundFont.isEmpty() ? automaticSoundFont(appDir) : sound.soundFont;
    c.sineSoundFont = QDir(appDir).filePath(QStringLiteral("vorlo2000-sine.sf2"));
    c.audioDriver = sound.audioDriver;
    c.audioDevice = sound.audioDevice;
    c.bufferFrames = sound.bufferFrames;
    c.sampleRate = sound.sampleRate;
    c.volumeDb = sound.volumeDb;
    return c;
}

BuiltInSynthConfig BuiltInSynthConfig::fromSettings(const SettingsFile& settings,
                                                    const QString& appDir) {
    return fromSoundSettings(SoundSettings::read(settings), appDir);
}

} // namespace vorlo
