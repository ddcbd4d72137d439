#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Writes a minimal SoundFont 2 file: one looped sine sample, one instrument that plays it over
// the whole keyboard, and one preset per (bank, program) given, all on that instrument. The
// sample is exactly 100 samples per period at 44 kHz (440 Hz at key 69), so a rendered note has
// a known, exact pitch. A preset may be given its own modulation LFO and a fine tuning (one for
// the keys below a split and one from it on), as sampled SoundFonts have.
class Sf2Writer {
public:
    struct Tone {
        int bank = 0;
        int program = 0;
        // Cents of fine tuning of the keys below splitKey, and of the keys from it on.
        int tuneLow = 0;
        int tuneHigh = 0;
        int splitKey = 128;
        // The preset's own modulation LFO, as preset generators (added to the instrument's
        // defaults: 8.176 Hz, no delay, no depth): frequency in cents, delay in timecents,
        // depths in cents of pitch and centibels of volume.
        int lfoFrequency = 0;
        int lfoDelay = 0;
        int lfoToPitch = 0;
        int lfoToVolume = 0;
    };

    static constexpr int kSampleRate = 44000;
    static constexpr int kPeriod = 100;
    static constexpr int kRootKey = 69;

    static QByteArray build(const QString& name, const std::vector<Tone>& tones);
};
