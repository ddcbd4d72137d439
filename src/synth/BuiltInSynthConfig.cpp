#include "BuiltInSynthConfig.h"

#include "SettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace vorlo {

QStringList BuiltInSynthConfig::soundFontCandidates(const QString& appDir) {
    return {QDir(appDir).filePath(QStringLiteral("vorlo2000.sf2")),
            QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),
            QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
            QStringLiteral("/usr/share/soundfonts/default.sf2")};
}

BuiltInSynthConfig BuiltInSynthConfig::fromSettings(const SettingsFile& settings,
                                                    const QString& appDir) {
    BuiltInSynthConfig c;
    c.soundFont = settings.value(QStringLiteral("Synth/SoundFont")).toString();
    if (c.soundFont.isEmpty()) {
        for (const QString& candidate : soundFontCandidates(appDir)) {
            if (QFileInfo(candidate).isReadable()) {
                c.soundFont = candidate;
                break;
            }
        }
    }
    c.sineSoundFont = QDir(appDir).filePath(QStringLiteral("vorlo2000-sine.sf2"));
    c.audioDriver = settings.value(QStringLiteral("Synth/AudioDriver")).toString().trimmed();
    bool ok = false;
    const int frames = settings.value(QStringLiteral("Synth/BufferSize")).toInt(&ok);
    if (ok)
        c.bufferFrames = std::clamp(frames, 16, 8192);
    const double rate = settings.value(QStringLiteral("Synth/SampleRate")).toDouble(&ok);
    if (ok && rate >= 22050 && rate <= 192000)
        c.sampleRate = rate;
    return c;
}

} // namespace vorlo
