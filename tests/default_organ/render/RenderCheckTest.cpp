// The default organ played through a reference GS renderer (a software GS renderer from Debian).
// Not part of the automatic suite: it needs the Debian packages timidity and freepats (about
// 27 MB). Run it by hand: build-dir/tests/default_organ/vorlo_organ_render_check.
//
// What it shows: the stops sound on the parts and channels they should, at the footage their
// name gives, position 0 and the mute silence them, the restore brings them back, the
// reinforcement switches, and the temperaments move each note by the cents the table says,
// measured as frequency ratios against the same notes in equal temperament.
// What it cannot show: that renderer ignores the CC1 controller number, so the balance controllers
// 7, 8 and 9 go untested; freepats has no GS variation tones (the sine wave falls back to the
// square wave) and few of the capital tones, so the sound is not the SC88's; the tremolo's
// depth and the reverb macros are not measured.
#include "../BuiltTable.h"
#include "Cp1252.h"
#include "OrganSession.h"
#include "PitchMeter.h"

#include <cmath>
#include <gtest/gtest.h>

using vorlo::StopTable;

namespace {

constexpr int kGreat = 1;
constexpr int kSwell = 2;
constexpr int kPedal = 3;
constexpr int kMiddleC = 60;
constexpr int kFlauto8 = StopTable::kFondiGreat + 4;
constexpr int kFlauto4 = StopTable::kFondiGreat + 5;
constexpr int kPrincipaleII = StopTable::kFondiGreat + 11;
constexpr int kDulciana = StopTable::kFondiGreat + 9;
constexpr int kSwellFlauto8 = StopTable::kFondiSwell + 4;
constexpr int kSubbasso16 = StopTable::kPedale + 1;
constexpr double kAudible = 100.0; // RMS of a 16-bit render
constexpr double kSilent = 10.0;
constexpr double kCentsTolerance = 1.5;
// Two measured notes and the table's rounding to whole cents.
constexpr double kIntervalTolerance = 2.5;

double hz(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}
double cents(double a, double b) {
    return 1200.0 * std::log2(a / b);
}

class RenderCheck : public ::testing::Test {
protected:
    void SetUp() override {
        QString why;
        if (!OrganSession::rendererAvailable(&why))
            GTEST_SKIP() << why.toStdString();
    }
    // A session after the console's reset: entries 0..3 and a reverb.
    OrganSession reset() {
        OrganSession s(BuiltTable::table());
        for (int e : {0, 1, 2, 3, StopTable::kReverbFirst + 4})
            s.send(e);
        return s;
    }
    std::vector<std::vector<int16_t>> render(OrganSession& s) {
        QString error;
        auto notes = s.render(&error);
        EXPECT_TRUE(notes.has_value()) << error.toStdString();
        return notes.value_or(std::vector<std::vector<int16_t>>{});
    }
    int temperament(const char* name) {
        for (int t = 0; t < 12; ++t)
            if (vorlo::cp1252::decode(BuiltTable::table()[StopTable::kTemperamentNames + t]) ==
                QLatin1String(name))
                return StopTable::kTemperamentFirst + t;
        ADD_FAILURE() << "no temperament " << name;
        return StopTable::kTemperamentFirst;
    }
    // The frequencies of the twelve notes from middle C on the Great's Flauto 8'.
    std::vector<double> scale(int temperamentEntry) {
        OrganSession s = reset();
        s.temperament(temperamentEntry);
        s.send(kFlauto8);
        for (int k = 0; k < 12; ++k)
            s.play(kGreat, kMiddleC + k);
        const auto notes = render(s);
        std::vector<double> f;
        for (int k = 0; k < 12 && k < int(notes.size()); ++k)
            f.push_back(PitchMeter::frequency(notes[size_t(k)], s.sampleRate(), hz(kMiddleC + k)));
        return f;
    }
};

} // namespace

TEST_F(RenderCheck, TemperamentsMoveEachNoteByTheirOffsets) {
    const std::vector<double> equal = scale(temperament("Equabile"));
    ASSERT_EQ(equal.size(), 12u);
    for (const char* name :
         {"Pitagorico", "Mesotonico 1/4 comma", "Werckmeister III", "Vallotti"}) {
        const int entry = temperament(name);
        const std::vector<double> tuned = scale(entry);
        ASSERT_EQ(tuned.size(), 12u) << name;
        for (int k = 0; k < 12; ++k) {
            const int offset = static_cast<unsigned char>(BuiltTable::table()[entry][8 + k]) - 64;
            EXPECT_NEAR(cents(tuned[size_t(k)], equal[size_t(k)]), offset, kCentsTolerance)
                << name << " note " << k;
        }
        // An interval as the temperament makes it: its size in equal temperament (100 cents a
        // semitone) moved by what the temperament does to its two notes, which leaves out the
        // tuning of the renderer's own samples.
        auto interval = [&](int from, int to) {
            return 100.0 * (to - from) + cents(tuned[size_t(to)], equal[size_t(to)]) -
                   cents(tuned[size_t(from)], equal[size_t(from)]);
        };
        if (std::string(name) == "Pitagorico") {
            EXPECT_NEAR(interval(0, 7), cents(3.0, 2.0), kIntervalTolerance) << "C-G pure";
            EXPECT_NEAR(interval(2, 9), cents(3.0, 2.0), kIntervalTolerance) << "D-A pure";
        }
        if (std::string(name) == "Mesotonico 1/4 comma") {
            EXPECT_NEAR(interval(0, 4), cents(5.0, 4.0), kIntervalTolerance) << "C-E pure";
            EXPECT_NEAR(interval(5, 9), cents(5.0, 4.0), kIntervalTolerance) << "F-A pure";
        }
    }
}

TEST_F(RenderCheck, StopsSoundOnTheirDivisionAtTheirFootage) {
    OrganSession s = reset();
    s.send(kFlauto8);
    s.send(kSwellFlauto8);
    s.send(kSubbasso16);
    const int great = s.play(kGreat, kMiddleC);
    const int swell = s.play(kSwell, kMiddleC);
    const int pedal = s.play(kPedal, kMiddleC - 12);
    const int unused = s.play(4, kMiddleC); // no part listens to channel 4
    const auto notes = render(s);
    ASSERT_EQ(notes.size(), 4u);
    EXPECT_GT(PitchMeter::rms(notes[great]), kAudible);
    EXPECT_GT(PitchMeter::rms(notes[swell]), kAudible);
    EXPECT_GT(PitchMeter::rms(notes[pedal]), kAudible);
    EXPECT_LT(PitchMeter::rms(notes[unused]), kSilent);
    EXPECT_NEAR(cents(PitchMeter::frequency(notes[pedal], s.sampleRate(), hz(kMiddleC - 24)),
                      hz(kMiddleC - 24)),
                0, 10)
        << "Subbasso 16' speaks an octave below the key";

    OrganSession four = reset();
    four.send(kFlauto4);
    four.play(kGreat, kMiddleC);
    const auto up = render(four);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_NEAR(cents(PitchMeter::frequency(up[0], four.sampleRate(), hz(kMiddleC + 12)),
                      hz(kMiddleC + 12)),
                0, 10)
        << "Flauto 4' speaks an octave above the key";
}

TEST_F(RenderCheck, CancelAndMuteSilenceAndRestoreBringsBack) {
    const struct {
        std::vector<int> entries;
        bool sounds;
        const char* what;
    } cases[] = {
        {{kFlauto8, StopTable::kFondiGreat}, false, "position 0 after a stop"},
        {{kFlauto8, StopTable::kGreatMuteFondi}, false, "muted Fondi"},
        {{StopTable::kGreatMuteFondi, kFlauto8}, false, "stop drawn while muted"},
        {{StopTable::kGreatMuteFondi, kFlauto8, StopTable::kGreatRestoreFondi}, true, "restored"},
        {{kSwellFlauto8}, false, "a Swell stop heard from the Great channel"},
        {{StopTable::kGreatReinforceOn}, true, "reinforcement on"},
        {{StopTable::kGreatReinforceOn, StopTable::kGreatReinforceOff}, false, "reinforcement off"},
    };
    for (const auto& c : cases) {
        OrganSession s = reset();
        for (int e : c.entries)
            s.send(e);
        s.play(kGreat, kMiddleC);
        const auto notes = render(s);
        ASSERT_EQ(notes.size(), 1u) << c.what;
        if (c.sounds) {
            EXPECT_GT(PitchMeter::rms(notes[0]), kAudible) << c.what;
        } else {
            EXPECT_LT(PitchMeter::rms(notes[0]), kSilent) << c.what;
        }
    }
}

TEST_F(RenderCheck, ASoftStopIsQuieterThanALoudOneOfTheSameTone) {
    OrganSession s = reset();
    s.send(kPrincipaleII);
    s.play(kGreat, kMiddleC);
    OrganSession soft = reset();
    soft.send(kDulciana);
    soft.play(kGreat, kMiddleC);
    const auto loud = render(s);
    const auto quiet = render(soft);
    ASSERT_EQ(loud.size(), 1u);
    ASSERT_EQ(quiet.size(), 1u);
    EXPECT_LT(PitchMeter::rms(quiet[0]), 0.8 * PitchMeter::rms(loud[0]));
}

TEST_F(RenderCheck, AStopWithFewerRanksClosesTheOthersEvenThroughAMute) {
    constexpr int kFlauti842 = StopTable::kFondiGreat + 16; // Flauto 8' and two more ranks
    constexpr double kSameLevel = 0.1;
    // Flauto 8' alone, then drawn after Flauti 8' 4' 2', then drawn over it while the
    // Fondi are muted and restored: the same single rank every time.
    const std::vector<std::vector<int>> orders = {
        {kFlauto8},
        {kFlauti842, kFlauto8},
        {kFlauti842, StopTable::kGreatMuteFondi, kFlauto8, StopTable::kGreatRestoreFondi},
    };
    std::vector<double> rms;
    for (const auto& entries : orders) {
        OrganSession s = reset();
        for (int e : entries)
            s.send(e);
        s.play(kGreat, kMiddleC);
        const auto notes = render(s);
        ASSERT_EQ(notes.size(), 1u);
        rms.push_back(PitchMeter::rms(notes[0]));
    }
    EXPECT_GT(rms[0], kAudible);
    for (size_t i = 1; i < rms.size(); ++i)
        EXPECT_NEAR(rms[i] / rms[0], 1.0, kSameLevel) << "order " << i << " leaves ranks open";

    OrganSession three = reset();
    three.send(kFlauti842);
    three.play(kGreat, kMiddleC);
    const auto loud = render(three);
    ASSERT_EQ(loud.size(), 1u);
    EXPECT_GT(PitchMeter::rms(loud[0]), (1.0 + 3 * kSameLevel) * rms[0])
        << "three ranks should sound louder than one";
}
