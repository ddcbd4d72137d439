// The console on its default stops table driving the built-in synthesizer, rendered offline
// through its output stage: the set-up reaches the parts, a Pedal note through the couplers and
// the sub-octave sounds on every coupled division, and the full organ never reaches full scale.
#include "Couplers.h"
#include "DatFile.h"
#include "DeviceLights.h"
#include "Drawstops.h"
#include "MidiDevices.h"
#include "OfflineSynth.h"
#include "SynthConsoleFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <cmath>
#include <fluidsynth.h>
#include <functional>
#include <set>

using namespace vorlo;
using namespace vorlo::test;

namespace {

// Module parts of each division in the default organ (FluidSynth channel = part - 1).
const std::set<int> kGreatFondi = {1, 2, 3, 4, 5};
const std::set<int> kSwellFondi = {17, 18, 19, 20, 21};
const std::set<int> kPedale = {14, 15, 16, 30, 31, 32};

class DefaultOrganOnSynth : public SynthConsoleFixture {
protected:
    void SetUp() override {
        StopTable table;
        ASSERT_TRUE(DatFile::read(QStringLiteral(VORLO_ORGAN_TABLE), table).ok);
        writeTable(table);
        writeConfig([](ConsoleState& s) { s.MidiOutDevice = 1; });
        ASSERT_TRUE(
            SettingsFile(dir.path()).setValue(QStringLiteral("Synth/BuiltInSelected"), true));
        startWithSynth();
        ASSERT_TRUE(synth().isOpen());
    }
    std::vector<float> render(double seconds) {
        const Sound sound = renderStereo(seconds);
        std::vector<float> sum(sound.left.size());
        for (size_t i = 0; i < sum.size(); ++i)
            sum[i] = sound.left[i] + sound.right[i];
        return sum;
    }
    struct Sound {
        std::vector<float> left, right;
        double peakDb() const {
            float peak = 0;
            for (const auto* x : {&left, &right})
                for (float v : *x)
                    peak = std::max(peak, std::fabs(v));
            return 20 * std::log10(peak);
        }
        double rmsDb() const {
            return 20 * std::log10(std::hypot(OfflineSynth::rms(left), OfflineSynth::rms(right)) /
                                   std::sqrt(2.0));
        }
        // Samples a 16-bit file would hold at full scale.
        int clipped() const {
            int n = 0;
            for (const auto* x : {&left, &right})
                for (float v : *x)
                    n += std::fabs(v) * 32767.0f >= 32766.5f;
            return n;
        }
    };
    Sound renderStereo(double seconds) {
        const int frames = static_cast<int>(seconds * OfflineSynth::kSampleRate);
        Sound s{std::vector<float>(size_t(frames)), std::vector<float>(size_t(frames))};
        synth().synthCore()->render(s.left.data(), s.right.data(), frames);
        return s;
    }
    // Parts sounding a voice, with the keys they sound.
    std::map<int, std::set<int>> sounding() {
        fluid_voice_t* voices[1024] = {};
        fluid_synth_get_voicelist(synth().synthCore()->synth(), voices, 1024, -1);
        std::map<int, std::set<int>> parts;
        for (fluid_voice_t* v : voices) {
            if (!v)
                break;
            if (fluid_voice_is_on(v))
                parts[fluid_voice_get_channel(v) + 1].insert(fluid_voice_get_key(v));
        }
        return parts;
    }
    static bool any(const std::map<int, std::set<int>>& parts, const std::set<int>& of) {
        for (int p : of) {
            if (parts.count(p))
                return true;
        }
        return false;
    }
};

} // namespace

TEST_F(DefaultOrganOnSynth, APedalNoteThroughTheCouplersSoundsOnEveryDivision) {
    Drawstops& d = console->drawstops();
    d.Tir_FO_GO_Click(1);
    d.Tir_FO_SW_Click(1);
    d.NomePedale_Click(1);
    settle();

    // Alone, the Pedal sounds only on its own parts.
    play(kKeyboard1, {0x92, 48, 100});
    settle();
    auto parts = sounding();
    EXPECT_TRUE(any(parts, kPedale));
    EXPECT_FALSE(any(parts, kGreatFondi));
    EXPECT_FALSE(any(parts, kSwellFondi));
    play(kKeyboard1, {0x82, 48, 0});
    settle();
    render(0.5);
    EXPECT_TRUE(sounding().empty()) << "the release silenced every part";

    // Pedal to Great, Great to Swell, and the sub-octave.
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    settle();
    play(kKeyboard1, {0x92, 48, 100});
    settle();
    render(0.2);
    parts = sounding();
    EXPECT_TRUE(any(parts, kPedale));
    EXPECT_TRUE(any(parts, kGreatFondi)) << "Pedal to Great";
    EXPECT_TRUE(any(parts, kSwellFondi)) << "Great to Swell";
    bool subOctave = false;
    for (int p : kPedale) {
        if (parts.count(p))
            subOctave = subOctave || parts[p].count(36 + 0) || parts[p].count(36 - 12) ||
                        parts[p].count(36 - 24) || parts[p].count(36 + 12);
    }
    EXPECT_TRUE(subOctave) << "the sub-octave sounds an octave down on the Pedal";
    EXPECT_GT(OfflineSynth::rms(render(0.3)), 0.01);

    play(kKeyboard1, {0x82, 48, 0});
    settle();
    render(0.5);
    EXPECT_TRUE(sounding().empty()) << "no stuck notes";
    EXPECT_LT(OfflineSynth::rms(render(0.3)), 0.01);
}

TEST_F(DefaultOrganOnSynth, TheFullOrganStaysBelowFullScaleWhileOneStopIsLoud) {
    Drawstops& d = console->drawstops();
    d.Tir_FO_GO_Click(1); // Principale 8'
    settle();
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    render(0.3);
    const Sound one = renderStereo(1.0);
    play(kKeyboard1, {0x80, 60, 0});
    settle();
    render(0.5);
    EXPECT_GT(one.rmsDb(), -27.0) << "one stop's note is well above the noise";
    EXPECT_LT(one.peakDb(), -6.0) << "and far below the ceiling";

    // Plenum, Ripieno acuto III, Ance e archi; Tutti i fondi, Mistura III, Batteria d'ance;
    // Tutti pedale; Pedal to Great, Great to Swell, the sub-octave; ten fingers, two feet.
    d.Tir_FO_GO_Click(25);
    d.Tir_MU_GO_Click(13);
    d.Tir_AN_GO_Click(19);
    d.Tir_FO_SW_Click(24);
    d.Tir_MU_SW_Click(19);
    d.Tir_AN_SW_Click(16);
    d.NomePedale_Click(19);
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    settle();
    for (int key : {48, 52, 55, 60, 64, 67, 72, 76, 79, 84})
        play(kKeyboard1, {0x90, uint8_t(key), 127});
    for (int key : {36, 43})
        play(kKeyboard1, {0x92, uint8_t(key), 127});
    settle();
    const Sound full = renderStereo(2.0);
    EXPECT_EQ(full.clipped(), 0);
    EXPECT_LE(full.peakDb(), PeakLimiter::kCeilingDb + 0.01);
    EXPECT_GT(full.peakDb(), PeakLimiter::kCeilingDb - 3.0) << "the full organ is loud";
    EXPECT_GT(full.rmsDb(), one.rmsDb() + 6.0) << "and louder than one stop";
}

TEST_F(DefaultOrganOnSynth, TheMeterShowsWhatTheSynthesizerPlaysAndNothingForACabledModule) {
    DeviceLights& lights = console->deviceLights();
    // Runs events until the meter shows what holds (a look every kActivityCheckMs).
    auto meterShows = [&](const std::function<bool(int)>& holds) {
        QElapsedTimer t;
        t.start();
        while (!holds(lights.outputMeter()) && t.elapsed() < 2000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return holds(lights.outputMeter());
    };
    renderStereo(0.2);
    ASSERT_TRUE(meterShows([](int m) { return m == 0; })) << "silence";
    EXPECT_EQ(lights.outputMeterText(), QStringLiteral("Output level: silent"));

    console->drawstops().Tir_FO_GO_Click(1);
    settle();
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    const Sound note = renderStereo(0.3);
    ASSERT_TRUE(meterShows([](int m) { return m > 0; }));
    EXPECT_LT(lights.outputMeter(), 100) << "one stop's note is below full scale";
    // The level shown is the loudest sample the synthesizer played.
    EXPECT_EQ(lights.outputMeterText(),
              QStringLiteral("Output level: %1 dBFS").arg(note.peakDb(), 0, 'f', 0));

    // A module on a cable has no level to show.
    console->devices().useDevices(0, st().MidiIn2NoDevice, 0);
    ASSERT_TRUE(meterShows([](int m) { return m == -1; }));
    EXPECT_TRUE(lights.outputMeterText().isEmpty());
}
