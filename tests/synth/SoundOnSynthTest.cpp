// The Sound window's settings on the built-in synthesizer: the master volume measured in the
// rendered sound, a SoundFont's check against the tones as the synthesizer chooses them, and
// new settings taken by the console's synthesizer while it runs.
#include "BuiltInSynthSound.h"
#include "DatFile.h"
#include "Drawstops.h"
#include "MainWindowControls.h"
#include "MidiDevices.h"
#include "OfflineSynth.h"
#include "OrganTones.h"
#include "Sf2Writer.h"
#include "SoundSetup.h"
#include "SoundWindowControls.h"
#include "SynthConsoleFixture.h"
#include "support/FileBytes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <fluidsynth.h>

using namespace vorlo;
using namespace vorlo::test;

namespace {

constexpr int kDeadlineMs = 10000;
constexpr int kFrames = OfflineSynth::kSampleRate / 2;

// Half a second through the output stage (volume and limiter), left plus right.
std::vector<float> renderStage(SynthCore& core) {
    std::vector<float> left(kFrames), right(kFrames);
    core.render(left.data(), right.data(), kFrames);
    for (size_t i = 0; i < left.size(); ++i)
        left[i] += right[i];
    return left;
}

TEST(SynthVolume, TheMasterVolumeScalesTheSoundAndZeroDecibelsLeavesItExact) {
    OfflineSynth standard, changed;
    for (OfflineSynth* s : {&standard, &changed}) {
        s->plainPart(1, 0);
        s->note(0, 69);
    }
    changed.core().setVolume(SoundSettings::factorOfDb(0));
    const std::vector<float> reference = renderStage(standard.core());
    EXPECT_EQ(renderStage(changed.core()), reference) << "0 dB renders sample for sample alike";
    ASSERT_GT(OfflineSynth::rms(reference), 0.01);
    for (int db : {-6, -24, 6}) {
        SCOPED_TRACE(db);
        changed.core().setVolume(SoundSettings::factorOfDb(db));
        // What the limiter's look-ahead holds was rendered at the volume before.
        renderStage(changed.core());
        renderStage(standard.core());
        const double ratio = OfflineSynth::rms(renderStage(changed.core())) /
                             OfflineSynth::rms(renderStage(standard.core()));
        EXPECT_NEAR(20.0 * std::log10(ratio), db, 0.05);
    }
}

class SoundFontCheck : public ::testing::Test {
protected:
    QString writeSoundFont(const std::vector<Sf2Writer::Tone>& tones) {
        const QString path = QDir(dir.path()).filePath(QStringLiteral("check.sf2"));
        EXPECT_TRUE(putFile(path, Sf2Writer::build(QStringLiteral("check"), tones)));
        return path;
    }
    QTemporaryDir dir;
    VirtualMidiBackend midi{QStringList{}, QStringList{}};
    SynthMidiBackend backend{midi, BuiltInSynthConfig{}};
    BuiltInSynthSound sound{backend, SoundSettings{}, dir.path()};
};

TEST_F(SoundFontCheck, EachToneIsFoundWhereTheSynthesizerTakesIt) {
    const QString path = writeSoundFont({{0, 19}, {8, 20}, {0, 43}});
    const QList<SoundSystem::Tone> tones = {{0, 19}, {8, 19}, {8, 20}, {16, 43}, {16, 99}, {0, 99}};
    const SoundSystem::SoundFontCheck check = sound.checkSoundFont(path, tones);
    ASSERT_TRUE(check.loaded) << check.error.toStdString();
    using S = SoundSystem::ToneSource;
    EXPECT_EQ(check.sources,
              QList<S>({S::Own, S::Capital, S::Own, S::Capital, S::Missing, S::Missing}));
    // The synthesizer playing that SoundFont puts each tone where the check said.
    SynthCore::Options o;
    o.soundFont = path;
    SynthCore core(o);
    for (qsizetype i = 0; i < tones.size(); ++i) {
        SCOPED_TRACE(i);
        const bool selected = core.selectTone(0, tones[i].variation, tones[i].program, false);
        EXPECT_EQ(selected, check.sources[i] != S::Missing);
        int font = 0, bank = -1, program = -1;
        if (selected &&
            fluid_synth_get_program(core.synth(), 0, &font, &bank, &program) == FLUID_OK) {
            EXPECT_EQ(bank, check.sources[i] == S::Own ? tones[i].variation : 0);
        }
    }

    // A file that is no SoundFont, one that is not there: a reason, and no crash.
    const QString text = QDir(dir.path()).filePath(QStringLiteral("notes.sf2"));
    ASSERT_TRUE(putFile(text, QByteArray("RIFF\x10\0\0\0sfbkLIST", 16)));
    for (const QString& bad :
         {text, QDir(dir.path()).filePath(QStringLiteral("gone.sf2")), dir.path()}) {
        const SoundSystem::SoundFontCheck c = sound.checkSoundFont(bad, tones);
        EXPECT_FALSE(c.loaded);
        EXPECT_TRUE(c.error.contains(bad)) << c.error.toStdString();
    }
}

TEST_F(SoundFontCheck, TheDefaultOrganOnTheTestsSoundFontMissesOnlyTheVariationsItsCapitalsPlay) {
    StopTable table;
    ASSERT_TRUE(DatFile::read(QStringLiteral(VORLO_ORGAN_TABLE), table).ok);
    QList<SoundSystem::Tone> tones;
    for (const OrganTones::StopTone& t : OrganTones::ofStops(table)) {
        const SoundSystem::Tone tone{t.variation, t.program};
        if (!tones.contains(tone) &&
            !(t.variation == OrganTones::kSineVariation && t.program == OrganTones::kSineProgram))
            tones << tone;
    }
    ASSERT_GE(tones.size(), 10) << "the organ's stops select their tones";
    const auto check = sound.checkSoundFont(QStringLiteral(VORLO_TEST_SOUNDFONT), tones);
    ASSERT_TRUE(check.loaded);
    QList<SoundSystem::Tone> notOwn;
    for (qsizetype i = 0; i < tones.size(); ++i) {
        if (check.sources[i] != SoundSystem::ToneSource::Own) {
            EXPECT_EQ(check.sources[i], SoundSystem::ToneSource::Capital);
            notOwn << tones[i];
        }
    }
    std::sort(notOwn.begin(), notOwn.end(),
              [](auto a, auto b) { return a.variation < b.variation; });
    EXPECT_EQ(notOwn, QList<SoundSystem::Tone>({{8, 19}, {16, 19}}));
}

// The console on its default organ, playing on the built-in synthesizer offline, with the
// Sound window.
class SoundOnConsole : public SynthConsoleFixture {
protected:
    void SetUp() override {
        StopTable table;
        ASSERT_TRUE(DatFile::read(QStringLiteral(VORLO_ORGAN_TABLE), table).ok);
        writeTable(table);
        writeConfig([](ConsoleState& s) {
            s.MidiOutDevice = 1;
            s.ThruMode = 0;
        });
        ASSERT_TRUE(
            SettingsFile(dir.path()).setValue(QStringLiteral("Synth/BuiltInSelected"), true));
        synthBackend = std::make_unique<SynthMidiBackend>(*midi, offlineConfig());
        SoundSettings start;
        start.soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT);
        start.audioDriver = QLatin1String(BuiltInSynthOutput::kOffline);
        synthSound = std::make_unique<BuiltInSynthSound>(*synthBackend, start, dir.path());
        sound = synthSound.get();
        startWithSynth();
        ASSERT_TRUE(synth().isOpen());
    }
    Control& c(const ControlId& id) { return console->form(ctl::sound::Window)(id); }
    void choose(const ControlId& id, const QString& text) {
        const QStringList items = c(id).items();
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].startsWith(text)) {
                c(id).chooseListIndex(i);
                return;
            }
        }
        ADD_FAILURE() << "no entry " << text.toStdString() << " in " << id.name;
    }
    double playedRms(uint8_t key) {
        play(kKeyboard1, {0x90, key, 100});
        settle();
        std::vector<float> left(kFrames), right(kFrames);
        synth().synthCore()->render(left.data(), right.data(), kFrames);
        play(kKeyboard1, {0x80, key, 0});
        settle();
        std::vector<float> tail(kFrames), tailRight(kFrames);
        synth().synthCore()->render(tail.data(), tailRight.data(), kFrames);
        return OfflineSynth::rms(left);
    }

    std::unique_ptr<BuiltInSynthSound> synthSound;
};

TEST_F(SoundOnConsole, OkTakesEffectAtOnceAndTheModuleComesBackWithTheRegistration) {
    console->drawstops().Tir_FO_GO_Click(1);
    settle();
    ASSERT_GT(playedRms(60), 0.01);
    SynthCore* before = synth().synthCore();

    // A larger buffer and a softer volume: the same synthesizer, opened again.
    console->mainForm()(ctl::main::SetSound).click();
    EXPECT_EQ(c(ctl::sound::LabelStatus).caption(),
              QStringLiteral("The built-in GS synthesizer is playing."));
    choose(ctl::sound::BufferCombo, QStringLiteral("512 "));
    c(ctl::sound::VolumeSlider).scroll(-6);
    c(ctl::sound::OkButton).click();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('\n').toStdString();
    EXPECT_TRUE(synth().isOpen());
    EXPECT_EQ(synth().synthCore(), before);
    EXPECT_EQ(synth().config().bufferFrames, 512);
    EXPECT_NEAR(synth().synthCore()->volume(), SoundSettings::factorOfDb(-6), 1e-6);
    const QString name = console->devices().deviceNames(MidiPort::Output).value(1);
    EXPECT_TRUE(name.startsWith(QStringLiteral("Built-in GS synthesizer (1024 frames, 21.3 ms)")))
        << name.toStdString();
    EXPECT_EQ(SettingsFile(dir.path()).value(QStringLiteral("Devices/Module")).toString(), name);
    const SoundSettings stored = SoundSettings::read(SettingsFile(dir.path()));
    EXPECT_EQ(stored.bufferFrames, 512);
    EXPECT_EQ(stored.volumeDb, -6);

    // Another SoundFont: a new synthesizer, given the set-up and the stop drawn.
    const QString other = appFile(QStringLiteral("other.sf2"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(VORLO_TEST_SOUNDFONT), other));
    console->mainForm()(ctl::main::SetSound).click();
    dialogs.files.push_back(other);
    c(ctl::sound::SoundFontBrowse).click();
    const QStringList report = c(ctl::sound::ToneCheck).items();
    ASSERT_EQ(report.size(), 3) << report.join('\n').toStdString();
    EXPECT_TRUE(report[0].endsWith(QStringLiteral("tones the organ's stops select are in this "
                                                  "SoundFont:")));
    EXPECT_TRUE(report[1].startsWith(QStringLiteral(
        "Missing bank 8 program 19: its capital tone (bank 0 program 19) plays instead, in ")));
    EXPECT_TRUE(report[2].startsWith(QStringLiteral(
        "Missing bank 16 program 19: its capital tone (bank 0 program 19) plays instead, in ")));
    c(ctl::sound::OkButton).click();
    EXPECT_TRUE(synth().isOpen());
    EXPECT_EQ(synth().synthCore()->soundFontPath(), other);
    EXPECT_GT(playedRms(60), 0.005) << "the Great's stop sounds on the new synthesizer";
    console->drawstops().Tir_FO_GO_Click(0);
    settle();
    EXPECT_LT(playedRms(60), 0.001) << "and goes when it is put in";
}

TEST_F(SoundOnConsole, TheTestChordSoundsAndStopsOnTheSynthesizer) {
    console->drawstops().Tir_FO_GO_Click(1);
    settle();
    console->mainForm()(ctl::main::SetSound).click();
    c(ctl::sound::TestButton).click();
    std::vector<float> left(kFrames), right(kFrames);
    synth().synthCore()->render(left.data(), right.data(), kFrames);
    EXPECT_GT(OfflineSynth::rms(left), 0.01);
    QElapsedTimer clock;
    clock.start();
    while (console->soundSetup().isTesting() && clock.elapsed() < kDeadlineMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(5);
    }
    synth().synthCore()->render(left.data(), right.data(), kFrames);
    synth().synthCore()->render(left.data(), right.data(), kFrames);
    EXPECT_LT(OfflineSynth::rms(left), 0.001) << "every note let go";
}

TEST_F(SoundOnConsole, AnAudioOutputThatDoesNotOpenIsToldWithItsReasonAndTheConsoleGoesOn) {
    if (!synthSound->audioDrivers().contains(QStringLiteral("alsa")))
        GTEST_SKIP() << "FluidSynth has no ALSA driver here";
    console->mainForm()(ctl::main::SetSound).click();
    choose(ctl::sound::DriverCombo, QStringLiteral("alsa"));
    ASSERT_TRUE(c(ctl::sound::DeviceText).isVisible());
    c(ctl::sound::DeviceText).editText(QStringLiteral("hw:99,99"));
    c(ctl::sound::OkButton).click();
    ASSERT_FALSE(dialogs.messages.empty());
    const QString told = dialogs.messages.back().text;
    EXPECT_TRUE(told.contains(QStringLiteral("cannot play with these settings")))
        << told.toStdString();
    EXPECT_TRUE(told.contains(QStringLiteral("hw:99,99")))
        << "FluidSynth's reason: " << told.toStdString();
    EXPECT_TRUE(console->form(ctl::sound::Window).isVisible()) << "the player can choose again";
    EXPECT_TRUE(c(ctl::sound::LabelStatus).caption().startsWith("The sound did not open"));
    EXPECT_FALSE(synth().isOpen());
    EXPECT_EQ(SoundSettings::read(SettingsFile(dir.path())).audioDevice,
              QStringLiteral("hw:99,99"));
    // The console goes on: stops are drawn and the Test plays into the closed output harmlessly.
    console->drawstops().Tir_FO_GO_Click(2);
    c(ctl::sound::TestButton).click();
    c(ctl::sound::CancelButton).click();
    EXPECT_FALSE(console->soundSetup().isTesting());
    EXPECT_EQ(st().live().MemFO_GO, 2);
}

} // namespace
