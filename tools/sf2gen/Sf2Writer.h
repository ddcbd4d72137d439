#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

// Writes a minimal SoundFont 2 file: one looped sine sample, one instrument that plays it over
// the whole keyboard, and one preset per (bank, program) given, all on that instrument. The
// sample is exactly 100 samples per period at 44 kHz (440 Hz at key 69), so a rendered note has
// a known, exact pitch.
class Sf2Writer {
public:
    struct Tone {
        int bank = 0;
        int program = 0;
    };

    static constexpr int kSampleRate = 44000;
    static constexpr int kPeriod = 100;
    static constexpr int kRootKey = 69;

    static QByteArray build(const QString& name, const std::vector<Tone>& tones);
};
