#pragma once

#include "SoundSettings.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vorlo {

// The built-in synthesizer's sound as the console's Sound window sees it: the audio drivers and
// devices there are, the settings in effect, a SoundFont's check against the tones an organ
// asks for, and new settings for the next opening of the synthesizer. The synthesizer
// implements it; tests give a fake.
class SoundSystem {
public:
    // A GS tone: variation (bank select MSB) and program.
    struct Tone {
        int variation = 0;
        int program = 0;
        bool operator==(const Tone&) const = default;
    };
    // Where a tone would come from: the SoundFont's own preset, the capital tone of its
    // variation (bank 0, same program), or nowhere (the part stays silent).
    enum class ToneSource { Own, Capital, Missing };
    struct SoundFontCheck {
        bool loaded = false;
        QString error;             // why it could not be read, when not loaded
        QList<ToneSource> sources; // one per tone asked for, when loaded
    };

    virtual ~SoundSystem() = default;

    // The audio drivers this synthesizer was built with, in its own order.
    virtual QStringList audioDrivers() = 0;
    // The output devices a driver lists; empty when it lists none (the player may name one).
    virtual QStringList audioDevices(const QString& driver) = 0;
    // The driver playing now; empty while the synthesizer is closed or renders to a file.
    virtual QString driverInUse() = 0;
    // The settings the synthesizer takes at its next opening (those in effect since the last).
    virtual SoundSettings settings() = 0;
    // The SoundFont used when the settings name none; empty when none is found.
    virtual QString automaticSoundFont() = 0;
    // Reads a SoundFont's presets and says where each tone would come from.
    virtual SoundFontCheck checkSoundFont(const QString& path, const QList<Tone>& tones) = 0;
    // The settings for the next opening; the volume changes at once. Returns a note for the
    // player when some of them wait for the program's next start (empty otherwise).
    virtual QString apply(const SoundSettings& settings) = 0;
};

} // namespace vorlo
