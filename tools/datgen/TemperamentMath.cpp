#include "TemperamentMath.h"

#include "GsMap.h"

#include <QRegularExpression>
#include <cmath>

namespace vorlo::datgen {

namespace {

constexpr double kCentsPerOctave = 1200.0;
constexpr double kEqualFifth = 700.0;
constexpr double kHalfOctave = 600.0;
// The circle tolerates rounding in the source's fractions, not a missing comma.
constexpr double kClosureTolerance = 0.01;
constexpr int kNoteA = 9;
// Note index (0 = C) of the k-th note of the circle of fifths from C.
constexpr std::array<int, TemperamentMath::kNotes> kCircle = {0, 7, 2, 9, 4, 11, 6, 1, 8, 3, 10, 5};

double cents(double ratio) {
    return kCentsPerOctave * std::log2(ratio);
}

} // namespace

double TemperamentMath::pythagoreanComma() {
    return cents(std::pow(3.0, 12) / std::pow(2.0, 19));
}
double TemperamentMath::syntonicComma() {
    return cents(81.0 / 80.0);
}
double TemperamentMath::schisma() {
    return pythagoreanComma() - syntonicComma();
}
double TemperamentMath::pureFifth() {
    return cents(3.0 / 2.0);
}

std::optional<double> TemperamentMath::tempering(const QString& term) {
    const QString t = term.trimmed();
    if (t == QLatin1String("0"))
        return 0.0;
    static const QRegularExpression re(
        QStringLiteral("^([+-]?)\\s*(\\d+)(?:\\s*/\\s*(\\d+))?\\s*(PC|SC|schisma)$"));
    const auto m = re.match(t);
    if (!m.hasMatch())
        return std::nullopt;
    const double numerator = m.captured(2).toDouble();
    const double denominator = m.captured(3).isEmpty() ? 1.0 : m.captured(3).toDouble();
    if (denominator <= 0.0)
        return std::nullopt;
    const QString unit = m.captured(4);
    const double comma = unit == QLatin1String("PC")   ? pythagoreanComma()
                         : unit == QLatin1String("SC") ? syntonicComma()
                                                       : schisma();
    const double sign = m.captured(1) == QLatin1String("-") ? -1.0 : 1.0;
    return sign * numerator / denominator * comma;
}

std::optional<std::array<double, TemperamentMath::kNotes>>
TemperamentMath::deviations(const QStringList& fifths, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (fifths.size() != kNotes)
        return fail(QStringLiteral("needs 12 fifths, has %1").arg(fifths.size()));
    std::array<double, kNotes> temper{};
    int wolf = -1;
    double sum = 0.0;
    for (int i = 0; i < kNotes; ++i) {
        if (fifths[i].trimmed() == QLatin1String("wolf")) {
            if (wolf >= 0)
                return fail(QStringLiteral("more than one wolf fifth"));
            wolf = i;
            continue;
        }
        const auto t = tempering(fifths[i]);
        if (!t)
            return fail(QStringLiteral("cannot read fifth %1: \"%2\"").arg(i + 1).arg(fifths[i]));
        temper[i] = *t;
        sum += *t;
    }
    if (wolf >= 0)
        temper[wolf] = -pythagoreanComma() - sum;
    else if (std::abs(sum + pythagoreanComma()) > kClosureTolerance)
        return fail(QStringLiteral("the fifths do not close the circle: they are tempered by "
                                   "%1 cents in all, not by minus one Pythagorean comma")
                        .arg(sum, 0, 'f', 3));

    std::array<double, kNotes> deviation{};
    double position = 0.0;
    for (int k = 0; k < kNotes; ++k) {
        double d = std::fmod(position - kEqualFifth * k, kCentsPerOctave);
        if (d > kHalfOctave)
            d -= kCentsPerOctave;
        if (d <= -kHalfOctave)
            d += kCentsPerOctave;
        deviation[kCircle[k]] = d;
        position += pureFifth() + temper[k];
    }
    const double a = deviation[kNoteA];
    for (double& d : deviation)
        d -= a;
    return deviation;
}

std::optional<std::array<uint8_t, TemperamentMath::kNotes>>
TemperamentMath::scaleTuning(const std::array<double, kNotes>& cents, QString* error) {
    std::array<uint8_t, kNotes> bytes{};
    for (int n = 0; n < kNotes; ++n) {
        const long rounded = std::lround(cents[n]);
        if (rounded < -GsMap::kScaleTuningRange || rounded >= GsMap::kScaleTuningRange) {
            if (error)
                *error = QStringLiteral("note %1 is %2 cents from equal temperament; the module "
                                        "tunes a note by -64..+63 cents")
                             .arg(n)
                             .arg(cents[n], 0, 'f', 1);
            return std::nullopt;
        }
        bytes[n] = static_cast<uint8_t>(GsMap::kCentre + rounded);
    }
    return bytes;
}

} // namespace vorlo::datgen
