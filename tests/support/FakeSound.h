#pragma once

#include "SoundSystem.h"

#include <QList>
#include <QMap>
#include <QPair>
#include <QStringList>

namespace vorlo::test {

// Stands in for the built-in synthesizer: drivers and devices from tables, the presets a
// SoundFont has from a table, every call recorded.
class FakeSound : public SoundSystem {
public:
    QStringList audioDrivers() override { return drivers; }
    QStringList audioDevices(const QString& driver) override { return devices.value(driver); }
    QString driverInUse() override { return playing; }
    SoundSettings settings() override { return current; }
    QString automaticSoundFont() override { return automatic; }
    SoundFontCheck checkSoundFont(const QString& path, const QList<Tone>& tones) override {
        checkedPath = path;
        asked = tones;
        SoundFontCheck c;
        c.loaded = path != unreadable;
        c.error = c.loaded ? QString() : QStringLiteral("\"%1\" is not a SoundFont").arg(path);
        for (const Tone& t : tones)
            c.sources << presets.value({t.variation, t.program}, ToneSource::Missing);
        return c;
    }
    QString apply(const SoundSettings& s) override {
        applied << s;
        current = s;
        return {};
    }

    QStringList drivers{QStringLiteral("alsa"), QStringLiteral("pulseaudio"),
                        QStringLiteral("jack")};
    QMap<QString, QStringList> devices{
        {QStringLiteral("pulseaudio"), {QStringLiteral("sink-a"), QStringLiteral("sink-b")}}};
    QString playing = QStringLiteral("alsa");
    SoundSettings current;
    QString automatic = QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2");
    QString unreadable = QStringLiteral("/tmp/broken.sf2");
    QMap<QPair<int, int>, ToneSource> presets;
    QString checkedPath;
    QList<Tone> asked;
    QList<SoundSettings> applied;
};

} // namespace vorlo::test
