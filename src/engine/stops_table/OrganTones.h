#pragma once

#include <QList>
#include <QString>

namespace vorlo {

class StopTable;

// The GS tones an organ's stops select: every part tone (variation = bank select MSB, program)
// that a stop entry's data-set messages write, with the stop that writes it. A stop that sets
// only the program keeps the capital variation 0; a part the entry makes a rhythm part selects
// a drum set, not a tone, and is left out. The GS Sine Wave is listed like any other tone.
class OrganTones {
public:
    // The GS Sine Wave, variation 8 program 80: the reinforcement's tone.
    static constexpr int kSineVariation = 8;
    static constexpr int kSineProgram = 80;

    struct StopTone {
        QString stop;     // the stop's name
        QString division; // "Great", "Swell" or "Pedal"
        int variation = 0;
        int program = 0;
        bool operator==(const StopTone&) const = default;
    };

    // In the order of the table: Fondi, Mutazioni, Ance/Archi (Great then Swell of each), then
    // the Pedal; within an entry by part. A tone an entry writes twice is listed once for it.
    static QList<StopTone> ofStops(const StopTable& table);
};

} // namespace vorlo
