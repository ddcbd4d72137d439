#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace vorlo::datgen {

// Turns a temperament given by the tempering of its circle of fifths into per-note deviations
// from equal temperament.
//
// The twelve fifths are listed from C round the circle: C-G, G-D, D-A, A-E, E-B, B-F#, F#-C#,
// C#-G#, G#-D#, D#-A#, A#-F, F-C. Each is "0" (pure, 3:2), a signed fraction of a comma
// ("-1/4 SC", "+1/3 PC", "-1 schisma") or "wolf", the one fifth that closes the circle. Twelve
// pure fifths overshoot seven octaves by the Pythagorean comma, so the tempering of all twelve
// must add up to minus one Pythagorean comma.
class TemperamentMath {
public:
    static constexpr int kNotes = 12;

    // Pythagorean comma 3^12 / 2^19, syntonic comma 81/80 and their difference, the schisma,
    // in cents.
    static double pythagoreanComma();
    static double syntonicComma();
    static double schisma();
    static double pureFifth();

    // Cents by which a fifth is tempered, from one term of the source; nullopt for a term that
    // cannot be read. "wolf" is not a tempering and gives nullopt here.
    static std::optional<double> tempering(const QString& term);

    // Deviation in cents of C, C#, D, ... B from equal temperament, A kept at 0 (the module's
    // pitch stays A = master tune). Fails when a term is unreadable, when there is more than one
    // wolf, or when the fifths do not close the circle.
    static std::optional<std::array<double, kNotes>> deviations(const QStringList& fifths,
                                                                QString* error);

    // GS scale-tuning bytes (40 = 0 cent, one cent a step), rounded to the nearest cent. Fails
    // when a note lies outside the module's -64..+63 cents.
    static std::optional<std::array<uint8_t, kNotes>>
    scaleTuning(const std::array<double, kNotes>& cents, QString* error);
};

} // namespace vorlo::datgen
