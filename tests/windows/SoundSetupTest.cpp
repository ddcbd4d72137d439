// The Sound window on the virtual MIDI system with a stand-in for the synthesizer: what it
// shows, what OK stores in the settings file (and Cancel does not), the Test chord through the
// couplers, and the check of the tones the organ's stops select.
#include "SoundSetup.h"
#include "GsAddress.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "MainWindowControls.h"
#include "OrganTones.h"
#include "SettingsFile.h"
#include "SoundWindowControls.h"
#include "support/ConsoleFixture.h"
#include "support/FakeSound.h"
#include "support/FileBytes.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace vorlo::test {
namespace {

constexpr int kDeadlineMs = 10000;

// A stop entry that gives part `part` the tone variation:program.
QByteArray toneEntry(int part, int variation, int program) {
    const char tone[] = {static_cast<char>(variation), static_cast<char>(program)};
    return GsDataSet::make(0x10, GsAddress::ofPart(part, gs::PartParameterBlock, 0x00),
                           QByteArrayView(tone, 2));
}

class SoundSetupTest : public ConsoleFixture {
protected:
    void SetUp() override { sound = &fake; }
    void startWith(const std::function<void(StopTable&)>& organ = {}) {
        StopTable t = markerTable();
        if (organ)
            organ(t);
        writeTable(t);
        writeConfig([](ConsoleState& s) { s.ThruMode = 0; });
        start();
    }
    void open() { main()(ctl::main::SetSound).click(); }
    Form& window() { return console->form(ctl::sound::Window); }
    Control& c(const ControlId& id) { return window()(id); }
    QString ini() const { return QString::fromUtf8(fileBytes(appFile("vorlo2000.ini"))); }
    // Chooses the list entry whose text starts with `text`.
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
    QString chosen(const ControlId& id) {
        const int i = c(id).listIndex();
        return i >= 0 && i < c(id).items().size() ? c(id).items()[i] : QString();
    }

    FakeSound fake;
};

TEST_F(SoundSetupTest, ShowsTheSettingsInEffectAndOkStoresWhatChanged) {
    fake.current.audioDriver = QStringLiteral("alsa");
    fake.current.audioDevice = QStringLiteral("hw:1,0");
    fake.current.bufferFrames = 256;
    fake.current.volumeDb = -3;
    startWith();
    ASSERT_TRUE(main()(ctl::main::SetSound).isEnabled());
    open();
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(c(ctl::sound::DriverCombo).items(),
              QStringList({"Automatic", "alsa (playing)", "pulseaudio", "jack"}));
    EXPECT_EQ(chosen(ctl::sound::DriverCombo), QStringLiteral("alsa (playing)"));
    // ALSA lists no devices here: the player names one.
    EXPECT_TRUE(c(ctl::sound::DeviceText).isVisible());
    EXPECT_FALSE(c(ctl::sound::DeviceCombo).isVisible());
    EXPECT_EQ(c(ctl::sound::DeviceText).text(), QStringLiteral("hw:1,0"));
    EXPECT_EQ(chosen(ctl::sound::BufferCombo), QStringLiteral("256 frames"));
    EXPECT_EQ(chosen(ctl::sound::RateCombo), QStringLiteral("48000 Hz"));
    EXPECT_EQ(c(ctl::sound::LabelLatency).caption(),
              QStringLiteral("Latency 10.7 ms (2 periods of 256 frames at 48000 Hz)"));
    EXPECT_EQ(c(ctl::sound::VolumeSlider).value(), -3);
    EXPECT_EQ(c(ctl::sound::LabelVolumeValue).caption(), QStringLiteral("-3 dB"));
    EXPECT_TRUE(c(ctl::sound::SoundFontText).text().endsWith(fake.automatic));
    EXPECT_TRUE(c(ctl::sound::LabelStatus).caption().contains("not the built-in"))
        << "the virtual module is the output";

    // A driver with a list of devices, one of them, a larger buffer, another rate, softer.
    choose(ctl::sound::DriverCombo, QStringLiteral("pulseaudio"));
    EXPECT_TRUE(c(ctl::sound::DeviceCombo).isVisible());
    EXPECT_FALSE(c(ctl::sound::DeviceText).isVisible());
    EXPECT_EQ(c(ctl::sound::DeviceCombo).items(), QStringList({"Default", "sink-a", "sink-b"}));
    EXPECT_EQ(chosen(ctl::sound::DeviceCombo), QStringLiteral("Default"))
        << "the ALSA device is not carried over";
    choose(ctl::sound::DeviceCombo, QStringLiteral("sink-b"));
    choose(ctl::sound::BufferCombo, QStringLiteral("512 "));
    choose(ctl::sound::RateCombo, QStringLiteral("44100"));
    EXPECT_EQ(c(ctl::sound::LabelLatency).caption(),
              QStringLiteral("Latency 23.2 ms (2 periods of 512 frames at 44100 Hz)"));
    c(ctl::sound::VolumeSlider).scroll(-6);
    EXPECT_EQ(c(ctl::sound::LabelVolumeValue).caption(), QStringLiteral("-6 dB"));
    EXPECT_TRUE(fake.applied.isEmpty()) << "nothing applied before OK";
    EXPECT_FALSE(QFile::exists(appFile("vorlo2000.ini")) && ini().contains("AudioDriver"));

    c(ctl::sound::OkButton).click();
    EXPECT_FALSE(window().isVisible());
    ASSERT_EQ(fake.applied.size(), 1);
    const SoundSettings stored = SoundSettings::read(SettingsFile(dir.path()));
    EXPECT_EQ(stored.audioDriver, QStringLiteral("pulseaudio"));
    EXPECT_EQ(stored.audioDevice, QStringLiteral("sink-b"));
    EXPECT_EQ(stored.bufferFrames, 512);
    EXPECT_EQ(stored.sampleRate, 44100.0);
    EXPECT_EQ(stored.volumeDb, -6);
    EXPECT_EQ(fake.applied.first(), stored);
    EXPECT_FALSE(ini().contains("SoundFont="))
        << "the SoundFont was not touched: " << ini().toStdString();
    EXPECT_TRUE(log().isEmpty()) << "a real module is not reset for the synthesizer's sound";

    // Opened again, it shows what was stored.
    open();
    EXPECT_EQ(chosen(ctl::sound::DriverCombo), QStringLiteral("pulseaudio"));
    EXPECT_EQ(chosen(ctl::sound::DeviceCombo), QStringLiteral("sink-b"));
    EXPECT_EQ(chosen(ctl::sound::BufferCombo), QStringLiteral("512 frames"));
}

TEST_F(SoundSetupTest, CancelAndTheCloseBoxChangeNothing) {
    ASSERT_TRUE(SettingsFile(dir.path()).setValue(QStringLiteral("Synth/BufferSize"), 64));
    fake.current.bufferFrames = 64;
    startWith();
    const QByteArray before = fileBytes(appFile("vorlo2000.ini"));
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox);
        open();
        choose(ctl::sound::DriverCombo, QStringLiteral("jack"));
        choose(ctl::sound::BufferCombo, QStringLiteral("1024"));
        c(ctl::sound::VolumeSlider).scroll(6);
        dialogs.files.push_back(QStringLiteral("/tmp/other.sf2"));
        c(ctl::sound::SoundFontBrowse).click();
        if (closeBox)
            window().requestClose();
        else
            c(ctl::sound::CancelButton).click();
        EXPECT_FALSE(window().isVisible());
        EXPECT_EQ(fileBytes(appFile("vorlo2000.ini")), before);
        EXPECT_TRUE(fake.applied.isEmpty());
        open();
        EXPECT_EQ(chosen(ctl::sound::DriverCombo), QStringLiteral("Automatic (now alsa)"));
        EXPECT_EQ(chosen(ctl::sound::BufferCombo), QStringLiteral("64 frames"));
        EXPECT_EQ(c(ctl::sound::VolumeSlider).value(), 0);
        EXPECT_EQ(c(ctl::sound::LabelVolumeValue).caption(), QStringLiteral("0 dB (standard)"));
        c(ctl::sound::CancelButton).click();
    }
}

TEST_F(SoundSetupTest, TestPlaysAChordOnTheGreatThroughTheCouplersAndLetsEveryNoteGo) {
    startWith();
    console->couplers().UN_GOSW_Click();
    log();
    open();
    c(ctl::sound::TestButton).click();
    EXPECT_TRUE(console->soundSetup().isTesting());
    EXPECT_EQ(log(),
              QStringList({"90 3C 64", "91 3C 64", "90 40 64", "91 40 64", "90 43 64", "91 43 64"}))
        << "the Great's notes and their copies on the Swell";
    c(ctl::sound::TestButton).click();
    EXPECT_TRUE(log().isEmpty()) << "a second click while it sounds plays nothing more";
    QElapsedTimer clock;
    clock.start();
    while (console->soundSetup().isTesting() && clock.elapsed() < kDeadlineMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(5);
    }
    EXPECT_FALSE(console->soundSetup().isTesting());
    EXPECT_GE(clock.elapsed(), SoundSetup::kTestChordMs / 2) << "the chord is heard a while";
    QStringList off = log();
    off.sort();
    EXPECT_EQ(
        off, QStringList({"80 3C 00", "80 40 00", "80 43 00", "81 3C 00", "81 40 00", "81 43 00"}));

    // Cancel while it sounds lets it go at once, with the copies the couplers made then.
    c(ctl::sound::TestButton).click();
    EXPECT_EQ(log().size(), 6);
    console->couplers().UN_GOSW_Click();
    EXPECT_TRUE(log().isEmpty()) << "a coupler drawn while notes sound sends nothing for them";
    c(ctl::sound::CancelButton).click();
    off = log();
    off.sort();
    EXPECT_EQ(
        off, QStringList({"80 3C 00", "80 40 00", "80 43 00", "81 3C 00", "81 40 00", "81 43 00"}));
    EXPECT_FALSE(console->soundSetup().isTesting());
}

TEST_F(SoundSetupTest, TheSoundFontCheckNamesEachMissingToneWithItsStopsAndFallback) {
    startWith([](StopTable& t) {
        // Great Fondi 3: 8:19 with the sine reinforcement on another part.
        t.set(StopTable::kFondiGreat + 3, toneEntry(1, 8, 19) + toneEntry(6, 8, 80));
        t.set(StopTable::kFondiNames + 3, "Principale 8'");
        // Swell Fondi 3 selects the same tone; Swell Ance 0 one no SoundFont has.
        t.set(StopTable::kFondiSwell + 3, toneEntry(17, 8, 19));
        t.set(StopTable::kAncieSwell + 0, toneEntry(20, 16, 99));
        t.set(StopTable::kAncieNames + 0, "Voce Umana");
        // A Pedal stop that sets only the program (capital variation), and a rhythm part.
        QByteArray program =
            GsDataSet::make(0x10, GsAddress::ofPart(14, gs::PartParameterBlock, 0x01), uint8_t(43));
        QByteArray rhythm =
            toneEntry(10, 0, 25) +
            GsDataSet::make(0x10, GsAddress::ofPart(10, gs::PartParameterBlock, 0x15), uint8_t(1));
        t.set(StopTable::kPedale + 2, program + rhythm);
        t.set(StopTable::kPedaleNames + 2, "Contrabbasso 16'");
    });
    fake.presets[{0, 19}] = SoundSystem::ToneSource::Own;
    fake.presets[{8, 19}] = SoundSystem::ToneSource::Capital;
    fake.presets[{0, 43}] = SoundSystem::ToneSource::Own;
    open();
    EXPECT_EQ(fake.checkedPath, fake.automatic);
    EXPECT_EQ(fake.asked, QList<SoundSystem::Tone>({{8, 19}, {16, 99}, {0, 43}}))
        << "each tone once, never the Sine Wave, never a drum set";
    const QStringList report = c(ctl::sound::ToneCheck).items();
    ASSERT_EQ(report.size(), 3) << report.join('\n').toStdString();
    EXPECT_EQ(report[0],
              QStringLiteral("1 of the 3 tones the organ's stops select are in this SoundFont:"));
    EXPECT_EQ(report[1], QStringLiteral("Missing bank 8 program 19: its capital tone (bank 0 "
                                        "program 19) plays instead, in Principale 8' (Great), "
                                        "Principale 8' (Swell)"))
        << report[1].toStdString();
    EXPECT_EQ(report[2], QStringLiteral("Missing bank 16 program 99, with no capital tone: "
                                        "silent in Voce Umana (Swell)"));

    // Another SoundFont that has them all; one that is no SoundFont; Automatic again.
    fake.presets[{8, 19}] = SoundSystem::ToneSource::Own;
    fake.presets[{16, 99}] = SoundSystem::ToneSource::Own;
    dialogs.files.push_back(QStringLiteral("/home/organist/full.sf2"));
    c(ctl::sound::SoundFontBrowse).click();
    EXPECT_EQ(c(ctl::sound::SoundFontText).text(), QStringLiteral("/home/organist/full.sf2"));
    EXPECT_EQ(c(ctl::sound::ToneCheck).items(),
              QStringList{"All 3 tones the organ's stops select are in this SoundFont."});
    dialogs.files.push_back(std::nullopt);
    c(ctl::sound::SoundFontBrowse).click();
    EXPECT_EQ(console->soundSetup().edited().soundFont, QStringLiteral("/home/organist/full.sf2"))
        << "a cancelled choice keeps the SoundFont";
    dialogs.files.push_back(fake.unreadable);
    c(ctl::sound::SoundFontBrowse).click();
    EXPECT_EQ(c(ctl::sound::ToneCheck).items(),
              QStringList{"The SoundFont cannot be used: \"/tmp/broken.sf2\" is not a SoundFont"});
    c(ctl::sound::SoundFontAutomatic).click();
    EXPECT_TRUE(console->soundSetup().edited().soundFont.isEmpty());
    fake.automatic.clear();
    c(ctl::sound::SoundFontAutomatic).click();
    EXPECT_EQ(c(ctl::sound::SoundFontText).text(), QStringLiteral("Automatic: none found"));
    EXPECT_EQ(c(ctl::sound::ToneCheck).items(),
              QStringList{"No SoundFont: only the sine reinforcement sounds."});
    dialogs.files.push_back(QStringLiteral("/home/organist/full.sf2"));
    c(ctl::sound::SoundFontBrowse).click();
    c(ctl::sound::OkButton).click();
    EXPECT_TRUE(ini().contains("SoundFont=/home/organist/full.sf2")) << ini().toStdString();
}

TEST_F(SoundSetupTest, WithoutASynthesizerTheMenuItemIsDisabled) {
    sound = nullptr;
    startWith();
    EXPECT_FALSE(main()(ctl::main::SetSound).isEnabled());
    open();
    EXPECT_FALSE(window().isVisible());
}

TEST(SoundSettingsFile, ValuesOutOfRangeOrUnreadableReadAsTheNearestOrTheDefault) {
    QTemporaryDir dir;
    SettingsFile f(dir.path());
    const struct {
        const char* buffer;
        const char* rate;
        const char* volume;
        int frames;
        double hz;
        int db;
    } cases[] = {{"abc", "5", "loud", 128, 48000, 0},
                 {"1", "1000000", "999", 16, 48000, 12},
                 {"100000", "44100", "-99.4", 8192, 44100, -24},
                 {"333", "96000", "-6.4", 333, 96000, -6}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.buffer);
        ASSERT_TRUE(f.setValue(QStringLiteral("Synth/BufferSize"), QString::fromLatin1(c.buffer)));
        ASSERT_TRUE(f.setValue(QStringLiteral("Synth/SampleRate"), QString::fromLatin1(c.rate)));
        ASSERT_TRUE(f.setValue(QStringLiteral("Synth/Volume"), QString::fromLatin1(c.volume)));
        const SoundSettings s = SoundSettings::read(f);
        EXPECT_EQ(s.bufferFrames, c.frames);
        EXPECT_EQ(s.sampleRate, c.hz);
        EXPECT_EQ(s.volumeDb, c.db);
    }
    EXPECT_EQ(SoundSettings::factorOfDb(0), 1.0) << "the standard level exactly";
    EXPECT_NEAR(SoundSettings::factorOfDb(-6), 0.501187, 1e-6);
}

} // namespace
} // namespace vorlo::test
