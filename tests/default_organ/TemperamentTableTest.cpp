// The temperament entries: one GS scale-tuning message each, whose offsets are checked against
// intervals worked out here from the temperaments' definitions (ratios of pure intervals and
// commas), not against the generator.
#include "BuiltTable.h"
#include "Cp1252.h"
#include "GsMessage.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using vorlo::StopTable;

namespace {

constexpr int kTemperaments = 12;
constexpr int kMessageLength = 22;
constexpr int kCentre = 64;
constexpr int kPortA = 0x40;
constexpr int kScaleTuning = 0x40;
constexpr int kFirstOffset = 8; // F0 41 dev 42 12 and three address bytes before it
// Both ends of an interval are rounded to the module's one-cent step.
constexpr double kTolerance = 1.0;

double cents(double ratio) {
    return 1200.0 * std::log2(ratio);
}
const double kPureFifth = cents(3.0 / 2.0);
const double kPureThird = cents(5.0 / 4.0);
const double kPythagoreanComma = cents(std::pow(3.0, 12) / std::pow(2.0, 19));
// Quarter-comma meantone: four fifths make a pure major third two octaves up.
const double kMeantoneFifth = cents(std::pow(5.0, 0.25));

enum Note { C, Cs, D, Eb, E, F, Fs, G, Gs, A, Bb, B };

struct Scale {
    std::array<int, 12> offset; // cents from equal temperament, C..B
    // Size in cents of the interval from note a up to note b (within an octave).
    double up(int a, int b) const {
        const int steps = (b - a + 12) % 12;
        return 100.0 * steps + offset[b] - offset[a];
    }
    double fifth(int from) const { return up(from, (from + 7) % 12); }
};

int indexOf(const char* name) {
    for (int t = 0; t < kTemperaments; ++t)
        if (vorlo::cp1252::decode(BuiltTable::table()[StopTable::kTemperamentNames + t]) ==
            QLatin1String(name))
            return t;
    return -1;
}

Scale scale(const char* name) {
    const int t = indexOf(name);
    EXPECT_GE(t, 0) << "no temperament named " << name;
    Scale s{};
    if (t < 0)
        return s;
    const QByteArray& e = BuiltTable::table()[StopTable::kTemperamentFirst + t];
    for (int n = 0; n < 12 && kFirstOffset + n < e.size(); ++n)
        s.offset[static_cast<size_t>(n)] =
            static_cast<unsigned char>(e[kFirstOffset + n]) - kCentre;
    return s;
}

} // namespace

TEST(Temperaments, EachIsOneScaleTuningMessageTheConsoleCanReaddress) {
    std::set<QByteArray> distinct;
    for (int t = 0; t < kTemperaments; ++t) {
        const QByteArray& e = BuiltTable::table()[StopTable::kTemperamentFirst + t];
        ASSERT_EQ(e.size(), kMessageLength) << "temperament " << t;
        const auto m = GsMessage::parse(e);
        ASSERT_TRUE(m.has_value()) << "temperament " << t;
        EXPECT_TRUE(m->checksumOk);
        EXPECT_EQ(m->address[0], kPortA);
        EXPECT_TRUE(m->isPartParameter());
        EXPECT_EQ(m->address[2], kScaleTuning) << "scale tuning starts at 40 1x 40";
        EXPECT_EQ(m->data.size(), 12);
        distinct.insert(m->data);
    }
    EXPECT_EQ(distinct.size(), 12u) << "two temperaments tune alike";
}

TEST(Temperaments, EqualTemperamentMovesNoNote) {
    const Scale s = scale("Equabile");
    for (int n = C; n <= B; ++n)
        EXPECT_EQ(s.offset[static_cast<size_t>(n)], 0) << "note " << n;
}

TEST(Temperaments, PythagoreanFifthsArePureSaveTheWolf) {
    const Scale s = scale("Pitagorico");
    for (int n : {Eb, Bb, F, C, G, D, A, E, B, Fs, Cs})
        EXPECT_NEAR(s.fifth(n), kPureFifth, kTolerance) << "fifth from " << n;
    EXPECT_NEAR(s.fifth(Gs), 7 * 1200.0 - 11 * kPureFifth, kTolerance) << "the wolf";
    // C-E: four pure fifths less two octaves, the Pythagorean ditone 81/64.
    EXPECT_NEAR(s.up(C, E), cents(81.0 / 64.0), kTolerance);
}

TEST(Temperaments, QuarterCommaMeantoneHasPureThirdsAndNarrowFifths) {
    const Scale s = scale("Mesotonico 1/4 comma");
    for (int n : {Eb, Bb, F, C, G, D, A, E, B, Fs, Cs})
        EXPECT_NEAR(s.fifth(n), kMeantoneFifth, kTolerance) << "fifth from " << n;
    for (int n : {C, D, Eb, E, F, G, A, Bb})
        EXPECT_NEAR(s.up(n, (n + 4) % 12), kPureThird, kTolerance) << "third from " << n;
    EXPECT_NEAR(kMeantoneFifth, 696.58, 0.01);
}

TEST(Temperaments, WerckmeisterThreeNarrowsFourFifthsByAQuarterComma) {
    const Scale s = scale("Werckmeister III");
    const std::set<int> tempered = {C, G, D, B};
    for (int n = C; n <= B; ++n) {
        const double expected = kPureFifth - (tempered.count(n) ? kPythagoreanComma / 4 : 0.0);
        EXPECT_NEAR(s.fifth(n), expected, kTolerance) << "fifth from " << n;
    }
}
