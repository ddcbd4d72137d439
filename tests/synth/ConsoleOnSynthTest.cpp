// The console on its default stops table driving the built-in synthesizer, rendered offline:
// the set-up reaches the parts, and a Pedal note through the couplers and the sub-octave
// sounds on every coupled division.
#include "Couplers.h"
#include "DatFile.h"
#include "Drawstops.h"
#include "OfflineSynth.h"
#include "SynthConsoleFixture.h"

#include <fluidsynth.h>
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
        const int frames = static_cast<int>(seconds * OfflineSynth::kSampleRate);
        std::vector<float> l(static_cast<size_t>(frames)), r(static_cast<size_t>(frames));
        fluid_synth_write_float(synth().synthCore()->synth(), frames, l.data(), 0, 1, r.data(), 0,
                                1);
        for (size_t i = 0; i < l.size(); ++i)
            l[i] += r[i];
        return l;
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

TEST_F(DefaultOrganOnSynth, CancelSilencesTheGroupAndPanicEverything) {
    Drawstops& d = console->drawstops();
    d.Tir_FO_GO_Click(1);
    settle();
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    EXPECT_TRUE(any(sounding(), kGreatFondi));
    play(kKeyboard1, {0x80, 60, 0});
    settle();
    render(0.5);
    d.Tir_FO_GO_Click(0); // position 0 closes the group's parts
    settle();
    play(kKeyboard1, {0x90, 60, 100});
    settle();
    EXPECT_FALSE(any(sounding(), kGreatFondi));
    play(kKeyboard1, {0x80, 60, 0});
    settle();
}
