// The GS layer on FluidSynth, rendered offline with the tests' sine SoundFont and measured:
// pitch, tuning, levels, silence, reverb, tone fall-back and note bookkeeping.
#include "OfflineSynth.h"

#include "GsAddress.h"
#include "RolandChecksum.h"
#include "SafeFile.h"
#include "Sf2Writer.h"

#include <QTemporaryDir>

#include <QRandomGenerator>
#include <atomic>
#include <cmath>
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <thread>

using vorlo::GsPart;

namespace {

constexpr int kA3 = 57; // 220 Hz
constexpr double kA3Hz = 220.0;
constexpr double kCentTolerance = 1.0;
constexpr double kSilence = 1e-5;

double hzOf(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// Plays a key on a fresh part 1 and returns the steady stretch of the note.
std::vector<float> steadyNote(OfflineSynth& s, int channel, int key, double seconds = 0.4) {
    s.note(channel, key);
    s.render(0.1); // past the attack
    auto x = s.render(seconds);
    s.release(channel, key);
    s.render(0.3); // past the release
    return x;
}

// A SoundFont of sine presets written to a temporary folder.
QString writeSoundFont(const QTemporaryDir& dir, const std::vector<Sf2Writer::Tone>& tones) {
    const QString path = dir.filePath(QStringLiteral("tones.sf2"));
    EXPECT_TRUE(vorlo::SafeFile::write(path, Sf2Writer::build(QStringLiteral("test"), tones)));
    return path;
}

// The amplitude swing of a sine of known frequency: its envelope in dB, sample by sample (the
// sine and its derivative in quadrature), gives the rate, the depth (half the peak-to-peak
// swing) and the peak.
struct Swing {
    double hz, depthDb, peakDb;
};
Swing swingOf(const std::vector<float>& x, double toneHz) {
    const double w = 2.0 * M_PI * toneHz / OfflineSynth::kSampleRate;
    std::vector<float> db;
    for (size_t i = 1; i + 1 < x.size(); ++i) {
        const double q = (x[i + 1] - x[i - 1]) / (2.0 * std::sin(w));
        db.push_back(static_cast<float>(10.0 * std::log10(double(x[i]) * x[i] + q * q)));
    }
    // Smoothed over 5 ms: the LFO moves the level block by block.
    const size_t n = OfflineSynth::kSampleRate / 200;
    std::vector<float> smooth;
    double sum = 0;
    for (size_t i = 0; i < db.size(); ++i) {
        sum += db[i] - (i >= n ? db[i - n] : 0.0f);
        if (i + 1 >= n)
            smooth.push_back(static_cast<float>(sum / double(n)));
    }
    db.swap(smooth);
    const auto [lo, hi] = std::minmax_element(db.begin(), db.end());
    const float mid = (*lo + *hi) / 2.0f;
    const Swing result{0.0, (*hi - *lo) / 2.0, *hi};
    for (float& v : db)
        v -= mid;
    return {OfflineSynth::frequency(db), result.depthDb, result.peakDb};
}

} // namespace

TEST(GsLayer, KeyShiftSoundsEachFootageAtItsInterval) {
    OfflineSynth s;
    s.plainPart(1, 0);
    // 32' .. 2' and the mutations, as key shifts.
    for (int shift : {-24, -12, -5, 0, 7, 12, 16, 19, 24}) {
        s.send(OfflineSynth::partParameter(1, GsPart::KeyShift, {uint8_t(64 + shift)}));
        const double f = OfflineSynth::frequency(steadyNote(s, 0, kA3));
        EXPECT_NEAR(OfflineSynth::cents(f, kA3Hz * std::pow(2.0, shift / 12.0)), 0.0,
                    kCentTolerance)
            << "key shift " << shift;
    }
}

TEST(GsLayer, ScaleTuningMovesEachNoteByItsCents) {
    OfflineSynth s;
    s.plainPart(1, 0);
    s.plainPart(17, 1); // port B, untempered: the tuning is the part's own
    const int offsets[12] = {-12, 3, -20, 7, 0, 15, -30, 25, -5, 10, -64, 63};
    std::vector<uint8_t> bytes;
    for (int o : offsets)
        bytes.push_back(static_cast<uint8_t>(64 + o));
    s.send(OfflineSynth::partParameter(1, GsPart::ScaleTuning, bytes));
    for (int k = 0; k < 12; ++k) {
        const int key = 60 + k;
        EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(steadyNote(s, 0, key)), hzOf(key)),
                    offsets[k], kCentTolerance)
            << "note " << k;
    }
    EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(steadyNote(s, 1, 62)), hzOf(62)), 0.0,
                kCentTolerance);
    // Back to equal temperament.
    s.send(OfflineSynth::partParameter(1, GsPart::ScaleTuning, std::vector<uint8_t>(12, 64)));
    EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(steadyNote(s, 0, 66)), hzOf(66)), 0.0,
                kCentTolerance);
}

TEST(GsLayer, ClosedMutedAndOutOfRangePartsAreSilent) {
    OfflineSynth s;
    s.plainPart(1, 0);
    const double open = OfflineSynth::rms(steadyNote(s, 0, kA3));
    ASSERT_GT(open, 0.01);

    s.send(OfflineSynth::partParameter(1, GsPart::RxChannel, {GsPart::kChannelOff}));
    s.note(0, kA3);
    EXPECT_TRUE(s.voicesPerChannel().empty());
    EXPECT_LT(OfflineSynth::rms(s.render(0.3)), kSilence) << "channel OFF";
    s.release(0, kA3);

    // The family's mute entry turns the part's level to 0: a held note falls silent too.
    s.send(OfflineSynth::partParameter(1, GsPart::RxChannel, {0}));
    s.note(0, kA3);
    s.render(0.1);
    s.send(OfflineSynth::partParameter(1, GsPart::Level, {0}));
    s.render(0.05);
    EXPECT_LT(OfflineSynth::rms(s.render(0.3)), kSilence) << "level 0";
    s.release(0, kA3);
    s.send(OfflineSynth::partParameter(1, GsPart::Level, {127}));

    // Key range 60..72: key 57 is not the part's.
    s.send(OfflineSynth::partParameter(1, GsPart::KeyLow, {60, 72}));
    EXPECT_LT(OfflineSynth::rms(steadyNote(s, 0, kA3)), kSilence) << "below the key range";
    EXPECT_NEAR(OfflineSynth::rms(steadyNote(s, 0, 60)), open, open * 0.05);

    // Another channel's notes do not reach the part.
    EXPECT_LT(OfflineSynth::rms(steadyNote(s, 3, 64)), kSilence);
}

TEST(GsLayer, VelocitySenseGivesTheOrganAFixedTouch) {
    OfflineSynth s;
    s.plainPart(1, 0);
    s.note(0, kA3, 10);
    s.render(0.1);
    const double soft = OfflineSynth::rms(s.render(0.2));
    s.release(0, kA3);
    s.render(0.3);
    s.note(0, kA3, 127);
    s.render(0.1);
    const double hard = OfflineSynth::rms(s.render(0.2));
    EXPECT_NEAR(soft, hard, hard * 0.01);
}

TEST(GsLayer, BalanceControllerLowersItsFamilyByTheAmplitudeLaw) {
    OfflineSynth s;
    // Part 1: controller 7 is its CC1 controller with -100 % amplitude control (the Fondi
    // balance); part 2 on channel 1: the same at -50 % on controller 8.
    s.plainPart(1, 0);
    s.send(OfflineSynth::partParameter(1, GsPart::Cc1Number, {7}));
    s.send(OfflineSynth::destination(1, GsPart::Cc1Block + GsPart::AmplitudeControl, 0));
    s.plainPart(2, 1);
    s.send(OfflineSynth::partParameter(2, GsPart::Cc1Number, {8}));
    s.send(OfflineSynth::destination(2, GsPart::Cc1Block + GsPart::AmplitudeControl, 32));

    s.note(0, kA3);
    s.render(0.1);
    const double full = OfflineSynth::rms(s.render(0.2));
    for (int v : {16, 32, 64, 96, 120, 127}) {
        s.cc(0, 7, v);
        s.render(0.02);
        const double expected = full * std::max(0.0, 1.0 - v / 127.0);
        EXPECT_NEAR(OfflineSynth::rms(s.render(0.2)), expected, full * 0.01 + 1e-6)
            << "controller 7 at " << v;
    }
    s.cc(0, 7, 0);
    s.release(0, kA3);
    s.render(0.3);

    s.note(1, kA3);
    s.render(0.1);
    const double full2 = OfflineSynth::rms(s.render(0.2));
    s.cc(1, 8, 127);
    s.render(0.02);
    EXPECT_NEAR(OfflineSynth::rms(s.render(0.2)), full2 * 0.5, full2 * 0.01);
    // Controller 7 is not this part's: its volume reception is off.
    s.cc(1, 7, 10);
    s.render(0.02);
    EXPECT_NEAR(OfflineSynth::rms(s.render(0.2)), full2 * 0.5, full2 * 0.01);
    s.release(1, kA3);

    // A part that receives volume follows controller 7 by the square law.
    s.send(OfflineSynth::partParameter(2, GsPart::RxVolume, {1}));
    s.cc(1, 8, 0);
    s.cc(1, 7, 127);
    s.note(1, kA3);
    s.render(0.1);
    const double loud = OfflineSynth::rms(s.render(0.2));
    s.cc(1, 7, 64);
    s.render(0.02);
    EXPECT_NEAR(OfflineSynth::rms(s.render(0.2)), loud * std::pow(64.0 / 127.0, 2), loud * 0.01);
}

TEST(GsLayer, ReverbMacrosChangeTheTail) {
    auto tail = [](int macro, int send) {
        OfflineSynth s;
        s.plainPart(1, 0);
        s.send(OfflineSynth::partParameter(1, GsPart::ReverbSend, {uint8_t(send)}));
        s.send(OfflineSynth::dataSet({0x40, 0x01, 0x30, uint8_t(macro)}));
        s.note(0, kA3);
        s.render(0.5);
        s.release(0, kA3);
        s.render(0.25); // the dry note has died away
        return OfflineSynth::rms(s.render(0.5));
    };
    EXPECT_LT(tail(4, 0), kSilence) << "no send, no tail";
    const double room1 = tail(0, 127);
    const double hall2 = tail(4, 127);
    EXPECT_GT(room1, 1e-4);
    EXPECT_GT(hall2, room1 * 1.5) << "a hall rings longer than a room";
}

TEST(GsLayer, AVariationTheSoundFontLacksPlaysItsCapitalTone) {
    OfflineSynth s;
    // The tests' SoundFont has 0:19 but not 8:19 (Church Org.2) nor 0:0.
    s.plainPart(1, 0, 8, 19);
    EXPECT_GT(OfflineSynth::rms(steadyNote(s, 0, kA3)), 0.01);
    s.plainPart(1, 0, 0, 0);
    EXPECT_LT(OfflineSynth::rms(steadyNote(s, 0, kA3)), kSilence) << "no tone at all: silent";
    // The Sine Wave comes from the program's own sine SoundFont: a pure tone.
    s.plainPart(1, 0, 8, 80);
    const auto x = steadyNote(s, 0, kA3);
    EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(x), kA3Hz), 0.0, kCentTolerance);
}

TEST(GsLayer, PartAddressesMapOntoPartsOfBothPorts) {
    EXPECT_EQ(vorlo::GsAddress::partOf(0x40, 0x10), 10);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x40, 0x11), 1);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x40, 0x19), 9);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x40, 0x1A), 11);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x40, 0x1F), 16);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x50, 0x11), 17);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x50, 0x10), 26);
    EXPECT_EQ(vorlo::GsAddress::partOf(0x41, 0x11), 0);

    OfflineSynth s;
    // Port B's parts listen to the same input: part 26 (50 10 ..) on channel 5.
    s.plainPart(26, 5);
    s.note(5, 60);
    const auto voices = s.voicesPerChannel();
    ASSERT_EQ(voices.size(), 1u);
    EXPECT_EQ(voices.begin()->first, 25);
    // A message with a wrong checksum is ignored.
    QByteArray bad = OfflineSynth::partParameter(26, GsPart::Level, {0});
    bad[bad.size() - 2] = static_cast<char>(bad[bad.size() - 2] ^ 1);
    s.send(bad);
    EXPECT_EQ(s.gs().part(26).parameter[GsPart::Level], 127);
}

TEST(GsLayer, NoNoteStaysStuck) {
    OfflineSynth s;
    s.plainPart(1, 0);
    // The key shift and the receive channel change under the held note: its release still
    // finds it.
    s.note(0, kA3);
    s.send(OfflineSynth::partParameter(1, GsPart::KeyShift, {64 + 12}));
    s.send(OfflineSynth::partParameter(1, GsPart::RxChannel, {4}));
    s.release(0, kA3);
    s.render(0.3);
    EXPECT_TRUE(s.voicesPerChannel().empty());

    // All notes off, then panic.
    s.send(OfflineSynth::partParameter(1, GsPart::RxChannel, {0}));
    for (int k = 48; k < 60; ++k)
        s.note(0, k);
    EXPECT_EQ(s.voicesPerChannel()[0], 12);
    s.cc(0, 123, 0);
    s.render(0.3);
    EXPECT_TRUE(s.voicesPerChannel().empty());
    s.note(0, 50);
    s.render(0.1);
    s.gs().allSoundOff();
    s.render(0.01);
    EXPECT_LT(OfflineSynth::rms(s.render(0.1)), kSilence);
    // A stop changed under a held note lets it sound on until its key is released.
    s.note(0, 50);
    s.render(0.1);
    s.send(OfflineSynth::partParameter(1, GsPart::ToneVariation, {0, 0}));
    EXPECT_GT(OfflineSynth::rms(s.render(0.1)), 0.01);
    s.release(0, 50);
    s.render(0.3);
    EXPECT_TRUE(s.voicesPerChannel().empty());
}

TEST(GsLayer, TheModulationWheelBringsTheTremulant) {
    OfflineSynth s;
    s.plainPart(1, 0);
    s.send(OfflineSynth::destination(1, GsPart::ModBlock + GsPart::Lfo1AmplitudeDepth, 60));
    s.send(OfflineSynth::destination(1, GsPart::ModBlock + GsPart::Lfo1PitchDepth, 0));
    auto swing = [&] {
        const auto x = s.render(1.0);
        double lo = 1e9, hi = 0;
        const size_t window = OfflineSynth::kSampleRate / 100;
        for (size_t i = 0; i + window <= x.size(); i += window) {
            const double r = OfflineSynth::rms(
                std::vector<float>(x.begin() + long(i), x.begin() + long(i + window)));
            lo = std::min(lo, r);
            hi = std::max(hi, r);
        }
        return hi / lo;
    };
    s.note(0, kA3);
    s.render(0.1);
    // (Windows of 10 ms hold no whole number of periods: a steady note swings a few per cent.)
    EXPECT_LT(swing(), 1.1) << "steady without the wheel";
    s.cc(0, 1, 127);
    EXPECT_GT(swing(), 1.4) << "the tremulant beats";
}

TEST(GsLayer, TheTremulantKeepsItsRateAndDepthWhateverThePresetsOwnLfo) {
    // Two presets with LFOs of their own: fast and deep on the volume; slow, late and on the
    // pitch.
    QTemporaryDir dir;
    Sf2Writer::Tone fast{0, 73};
    fast.lfoFrequency = 2400; // 32.7 Hz
    fast.lfoToVolume = 100;
    Sf2Writer::Tone late{0, 74};
    late.lfoFrequency = -1200; // 4.1 Hz
    late.lfoDelay = 13000;     // 1.8 s
    late.lfoToPitch = 50;
    OfflineSynth s(writeSoundFont(dir, {fast, late}));
    s.plainPart(1, 0, 0, 73);
    s.plainPart(2, 1, 0, 74);
    // The default organ's "Tremblant Fort" at the controller's top: 5.5 + 2.5 Hz, 48 %.
    const double rateHz = 8.0, depthDb = -10.0 * std::log10(1.0 - 61.0 / 127.0);
    for (int part : {1, 2}) {
        s.send(OfflineSynth::destination(part, GsPart::ModBlock + GsPart::Lfo1Rate, 80));
        s.send(OfflineSynth::destination(part, GsPart::ModBlock + GsPart::Lfo1AmplitudeDepth, 61));
        s.send(OfflineSynth::destination(part, GsPart::ModBlock + GsPart::Lfo1PitchDepth, 0));
    }
    // Off: the preset's own LFO at its own rate; a steady note gives the part's level.
    s.note(1, kA3);
    s.render(0.2);
    const double level = swingOf(s.render(0.2), kA3Hz).peakDb;
    s.release(1, kA3);
    s.note(0, kA3);
    s.render(0.4);
    const double ownHz = 8.176 * 4.0; // two octaves above SoundFont LFOs' 0 cents
    EXPECT_NEAR(swingOf(s.render(1.0), kA3Hz).hz, ownHz, ownHz * 0.02) << "tremulant off";
    // Drawn over a held note, and struck with the tremulant drawn, inside the preset's delay.
    s.cc(0, 1, 127);
    s.cc(1, 1, 127);
    s.note(1, kA3);
    s.render(0.1);
    for (int ch : {0, 1}) {
        const int other = ch == 0 ? 2 : 1; // silent while this one is measured
        s.send(OfflineSynth::partParameter(other, GsPart::Level, {0}));
        s.render(0.05);
        const Swing t = swingOf(s.render(1.0), kA3Hz);
        s.send(OfflineSynth::partParameter(other, GsPart::Level, {127}));
        EXPECT_NEAR(t.hz, rateHz, rateHz * 0.03) << "channel " << ch;
        EXPECT_NEAR(t.depthDb, depthDb, depthDb * 0.05) << "channel " << ch;
        EXPECT_NEAR(t.peakDb, level, 0.3) << "channel " << ch << ": peaks at the level";
    }
}

TEST(GsLayer, EveryRankPlaysInTuneWhateverTheSamplesTuning) {
    // Samples sharp and flat, each preset in two key ranges of its own.
    QTemporaryDir dir;
    Sf2Writer::Tone sharp{0, 19};
    sharp.tuneLow = 12;
    sharp.tuneHigh = -17;
    sharp.splitKey = 60;
    Sf2Writer::Tone flat{0, 20};
    flat.tuneLow = -7;
    flat.tuneHigh = 5;
    flat.splitKey = 52;
    OfflineSynth s(writeSoundFont(dir, {sharp, flat}));
    s.plainPart(1, 0, 0, 19);
    s.plainPart(2, 1, 0, 20);
    // The presets are measured aside: a part plays at once as the SoundFont tunes it, and the
    // correction reaches its sounding note when the measurement is ready.
    s.note(0, 48);
    s.render(0.1);
    EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(s.render(0.4)), hzOf(48)), 12.0,
                kCentTolerance);
    s.gs().waitForTuning();
    s.render(0.1);
    EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(s.render(0.4)), hzOf(48)), 0.0,
                kCentTolerance);
    s.release(0, 48);
    s.render(0.3);
    // An 8' rank in equal temperament, and a 16' rank in a temperament.
    s.send(OfflineSynth::partParameter(2, GsPart::KeyShift, {64 - 12}));
    const int offsets[12] = {10, -8, 3, 6, -3, 8, -9, 5, -5, 1, 7, -2};
    std::vector<uint8_t> bytes;
    for (int o : offsets)
        bytes.push_back(static_cast<uint8_t>(64 + o));
    s.send(OfflineSynth::partParameter(2, GsPart::ScaleTuning, bytes));
    for (int key : {48, 59, 60, 71}) {
        EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(steadyNote(s, 0, key)), hzOf(key)),
                    0.0, kCentTolerance)
            << "8' key " << key;
    }
    for (int key : {57, 63, 64, 76}) {
        const int sounding = key - 12;
        EXPECT_NEAR(
            OfflineSynth::cents(OfflineSynth::frequency(steadyNote(s, 1, key)), hzOf(sounding)),
            offsets[sounding % 12], kCentTolerance)
            << "16' key " << key;
    }
}

TEST(GsLayer, ClosingWhileAPresetIsMeasuredKeepsOnlyWholeMeasurements) {
    QTemporaryDir dir;
    Sf2Writer::Tone sharp{0, 19};
    sharp.tuneLow = 12;
    const QString font = writeSoundFont(dir, {sharp, Sf2Writer::Tone{0, 20}});
    const QString cache = dir.filePath(QStringLiteral("tuning.txt"));
    {
        // Closed as soon as the first preset is measured, while the second one is.
        std::atomic<int> measured{0};
        vorlo::PresetTuning t(font, cache, OfflineSynth::kSampleRate, [&] { ++measured; });
        EXPECT_EQ(t.deviation(0, 19), nullptr);
        EXPECT_EQ(t.deviation(0, 20), nullptr);
        while (measured == 0)
            std::this_thread::yield();
    }
    vorlo::PresetTuning again(font, cache, OfflineSynth::kSampleRate);
    const vorlo::PresetTuning::Deviation* kept = again.deviation(0, 19);
    ASSERT_NE(kept, nullptr);
    EXPECT_NEAR((*kept)[60], 12.0, kCentTolerance);
    EXPECT_EQ(again.deviation(0, 20), nullptr) << "the abandoned measurement is done afresh";
    again.waitUntilMeasured();
    again.collect();
    ASSERT_NE(again.deviation(0, 20), nullptr);
    EXPECT_NEAR((*again.deviation(0, 20))[60], 0.0, kCentTolerance);
}

TEST(GsLayer, MuteAndRestoreFadeInsteadOfClicking) {
    OfflineSynth s;
    s.plainPart(1, 0);
    s.note(0, kA3);
    s.render(0.2);
    // The envelope of the sine, sample by sample; the milliseconds it takes to cross from
    // 90 % to 10 % of the full level (or back).
    const double w = 2.0 * M_PI * kA3Hz / OfflineSynth::kSampleRate;
    const auto fadeMs = [&](const std::vector<float>& x, double full) {
        int first = -1, last = -1;
        for (size_t i = 1; i + 1 < x.size(); ++i) {
            const double q = (x[i + 1] - x[i - 1]) / (2.0 * std::sin(w));
            const double a = std::sqrt(double(x[i]) * x[i] + q * q) / full;
            if (a < 0.9 && a > 0.1) {
                if (first < 0)
                    first = int(i);
                last = int(i);
            }
        }
        return first < 0 ? 0.0 : 1000.0 * (last - first) / OfflineSynth::kSampleRate;
    };
    const double full = std::sqrt(2.0) * OfflineSynth::rms(s.render(0.1));
    s.send(OfflineSynth::partParameter(1, GsPart::Level, {0})); // the stop's mute entry
    const double mute = fadeMs(s.render(0.05), full);
    EXPECT_GT(mute, 5.0);
    EXPECT_LT(mute, 20.0);
    s.send(OfflineSynth::partParameter(1, GsPart::Level, {127})); // and its restore
    const double restore = fadeMs(s.render(0.05), full);
    EXPECT_GT(restore, 5.0);
    EXPECT_LT(restore, 20.0);
}

TEST(GsLayer, AFullOrganFitsThePolyphony) {
    OfflineSynth s;
    // Every part drawn on the three division channels, ten fingers on each manual and two feet
    // with the couplers and sub-octave: far more keys than an organist plays at once.
    for (int p = 1; p <= vorlo::GsModule::kParts; ++p)
        s.plainPart(p, (p - 1) % 3);
    for (int ch = 0; ch < 3; ++ch) {
        for (int k = 0; k < 12; ++k)
            s.note(ch, 48 + k);
    }
    s.render(0.05);
    int total = 0;
    for (const auto& [channel, n] : s.voicesPerChannel())
        total += n;
    EXPECT_EQ(total, vorlo::GsModule::kParts * 12);
    EXPECT_EQ(fluid_synth_get_active_voice_count(s.core().synth()), total);
}

TEST(GsLayer, AnyBytesAreTakenWithoutHarm) {
    OfflineSynth s;
    QRandomGenerator rng(13);
    for (int i = 0; i < 20000; ++i) {
        const auto status = static_cast<uint8_t>(0x80 + rng.bounded(0x80));
        s.gs().shortMessage(status, static_cast<uint8_t>(rng.bounded(256)),
                            static_cast<uint8_t>(rng.bounded(256)));
        if (i % 10 == 0) {
            // GS-looking data sets with random addresses and data, checksummed or not.
            QByteArray body;
            body.append(char(rng.bounded(2) ? 0x40 : 0x50));
            for (int n = 0, len = int(rng.bounded(40)) + 2; n < len; ++n)
                body.append(static_cast<char>(rng.bounded(128)));
            QByteArray m = vorlo::RolandChecksum::dataSet(0x10, body);
            if (rng.bounded(4) == 0)
                m = m.left(int(rng.bounded(m.size())));
            s.send(m);
        }
        if (i % 1000 == 0)
            s.render(0.01);
    }
    s.send(OfflineSynth::dataSet({0x40, 0x00, 0x7F, 0x00}));
    s.render(0.01); // FluidSynth takes voice changes at its next block
    for (const auto& [channel, n] : s.voicesPerChannel())
        ADD_FAILURE() << "channel " << channel << " still sounds " << n << " voices";
    s.plainPart(1, 0);
    EXPECT_NEAR(OfflineSynth::cents(OfflineSynth::frequency(steadyNote(s, 0, kA3)), kA3Hz), 0.0,
                kCentTolerance);
}
