// The built-in synthesizer among the output devices: where it is listed, what a first start
// and an existing configuration select, and switching between it and a real module; its
// recordings, whose length and note spacing keep the clock.
#include "MainWindowControls.h"
#include "OfflineSynth.h"
#include "SetupWindowControls.h"
#include "SynthConsoleFixture.h"
#include "SynthRecorder.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QtEndian>
#include <chrono>
#include <fluidsynth.h>

using namespace vorlo;
using namespace vorlo::test;

namespace {

const QString kChosen = QStringLiteral("Synth/BuiltInSelected");

// The left channel of a 16-bit stereo WAV file whose header sizes match the file.
std::vector<int> wavLeft(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = f.readAll();
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    if (wav.size() < 44 || u32(4) != quint32(wav.size() - 8) || u32(40) != quint32(wav.size() - 44))
        return {};
    std::vector<int> left;
    for (int i = 44; i + 3 < wav.size(); i += 4)
        left.push_back(qFromLittleEndian<qint16>(wav.constData() + i));
    return left;
}

// Frames at which a sound starts after at least 0.1 s of silence.
std::vector<int> onsets(const std::vector<int>& x) {
    std::vector<int> found;
    int quiet = 48000;
    for (size_t i = 0; i < x.size(); ++i) {
        if (std::abs(x[i]) > 300) {
            if (quiet >= 4800)
                found.push_back(int(i));
            quiet = 0;
        } else {
            ++quiet;
        }
    }
    return found;
}

class BuiltInDevice : public SynthConsoleFixture {
protected:
    void SetUp() override { writeTable(markerTable()); }
    Control& setup(const ControlId& id) { return console->form(ctl::setup::Window)(id); }
};

} // namespace

TEST_F(BuiltInDevice, AFirstStartWithoutKeyboardsThatSoundsAsksNothing) {
    midi->removeDevice(QString::fromLatin1(kKeyboard1));
    midi->removeDevice(QString::fromLatin1(kKeyboard2));
    startWithSynth();
    EXPECT_TRUE(synth().isOpen());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    EXPECT_TRUE(dialogs.problemWindows.empty()) << "the on-screen keyboard plays it as it is";
    EXPECT_TRUE(notices.texts.contains(QStringLiteral(
        "No MIDI keyboard is chosen: the on-screen keyboard (Setup menu) plays the organ.")))
        << notices.texts.join("\n").toStdString();
}

TEST_F(BuiltInDevice, AudioThatFailsAtAFirstStartIsOneProblemWithItsReasonAndTheSoundPage) {
    midi->removeDevice(QString::fromLatin1(kKeyboard1));
    midi->removeDevice(QString::fromLatin1(kKeyboard2));
    dialogs.problemAnswer = SetupPage::OnScreenKeyboard;
    startWithSynth(QStringLiteral("no-such-driver"));
    ASSERT_TRUE(console->isStarted());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    ASSERT_EQ(dialogs.problemWindows.size(), 1u);
    ASSERT_EQ(dialogs.problemWindows[0].size(), 1);
    const StartupProblem& sound = dialogs.problemWindows[0][0];
    EXPECT_EQ(sound.subject, QStringLiteral("Built-in synthesizer"));
    EXPECT_TRUE(sound.text.startsWith(
        QStringLiteral("The built-in GS synthesizer found no working audio output (")))
        << sound.text.toStdString();
    EXPECT_EQ(sound.page, SetupPage::Sound);
    EXPECT_FALSE(console->MIDIOutput1().isOpen());
    EXPECT_TRUE(form(forms::Keyboard).isVisible()) << "the window the answer asked for";
}

TEST_F(BuiltInDevice, AFirstStartPlaysOnTheBuiltInSynthesizer) {
    startWithSynth();
    EXPECT_EQ(st().MidiOutDevice, 1) << "after the one real module";
    EXPECT_EQ(st().MidiOutNoDevice, 2);
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    EXPECT_FALSE(console->MIDIOutput1().selectedDeviceHasWire());
    EXPECT_TRUE(synth().isOpen());
    EXPECT_TRUE(settings().value(kChosen).toBool());
    EXPECT_TRUE(midi->sent().empty()) << "the real module hears nothing";

    main()(ctl::main::SetMidi).click();
    const QStringList items = setup(ctl::setup::outputDevcombo).items();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0], QStringLiteral("Sound Module"));
    EXPECT_TRUE(items[1].startsWith(QStringLiteral("Built-in GS synthesizer (256 frames, 5.3 ms)")))
        << items[1].toStdString();
    EXPECT_EQ(items[2], QStringLiteral("No device"));
}

TEST_F(BuiltInDevice, AnExistingConfigurationKeepsItsRealModule) {
    writeConfig(); // module 0, written before the synthesizer existed
    midi->setWired(QStringLiteral("Sound Module"), true);
    startWithSynth();
    EXPECT_EQ(st().MidiOutDevice, 0);
    EXPECT_TRUE(console->MIDIOutput1().selectedDeviceHasWire());
    EXPECT_FALSE(synth().isOpen());
    console->RESET_Click();
    EXPECT_FALSE(midi->sent().empty());
}

TEST_F(BuiltInDevice, AStoredNoDeviceStaysNoDevice) {
    // One module, "No device" chosen: stored as 1, which is now the synthesizer's number.
    writeConfig([](ConsoleState& s) { s.MidiOutDevice = 1; });
    startWithSynth();
    EXPECT_EQ(st().MidiOutDevice, st().MidiOutNoDevice);
    EXPECT_FALSE(console->MIDIOutput1().isOpen());
}

TEST_F(BuiltInDevice, TheBuiltInChoiceSurvivesANewRealDevice) {
    writeConfig([](ConsoleState& s) { s.MidiOutDevice = 1; });
    ASSERT_TRUE(settings().setValue(kChosen, true));
    midi->setOutputDevices({QStringLiteral("Sound Module"), QStringLiteral("USB Module")});
    startWithSynth();
    EXPECT_EQ(st().MidiOutDevice, 2) << "the synthesizer moved after the new device";
    EXPECT_TRUE(synth().isOpen());
    EXPECT_TRUE(midi->sent().empty());
}

TEST_F(BuiltInDevice, ThePlayerSwitchesToARealModuleAndBack) {
    startWithSynth();
    main()(ctl::main::SetMidi).click();
    EXPECT_FALSE(synth().isOpen()) << "closed while set up";
    setup(ctl::setup::outputDevcombo).chooseListIndex(0);
    setup(ctl::setup::Command1).click();
    EXPECT_EQ(st().MidiOutDevice, 0);
    EXPECT_FALSE(settings().value(kChosen).toBool());
    EXPECT_FALSE(synth().isOpen());
    const QStringList sent = log();
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), marker(0)) << "the module gets the whole console";

    main()(ctl::main::SetMidi).click();
    setup(ctl::setup::outputDevcombo).chooseListIndex(1);
    setup(ctl::setup::Command1).click();
    EXPECT_TRUE(synth().isOpen());
    EXPECT_TRUE(settings().value(kChosen).toBool());
    EXPECT_TRUE(log().isEmpty());
}

TEST(Recording, TheBuiltInSynthesizerWritesWhatItPlaysToAWavFile) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("take.wav"));
    BuiltInSynthConfig c;
    c.soundFont = QStringLiteral(VORLO_TEST_SOUNDFONT);
    c.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
    c.recordPath = path;
    using Clock = std::chrono::steady_clock;
    Clock::time_point beforeOpen, afterOpen, beforeEnd, afterEnd;
    {
        BuiltInSynthOutput out(c);
        EXPECT_EQ(out.deviceName(0),
                  QStringLiteral("Built-in GS synthesizer (recording to take.wav)"));
        out.selectDevice(0);
        beforeOpen = Clock::now();
        out.open();
        afterOpen = Clock::now();
        EXPECT_EQ(out.audioDriver(), QStringLiteral("file"));
        out.sendSysex(OfflineSynth::partParameter(1, GsPart::ToneVariation, {0, 19}));
        out.sendSysex(OfflineSynth::partParameter(1, GsPart::VelocityDepth, {0, 114}));
        out.sendShort(0x90, 57, 100);
        QThread::msleep(500); // the file driver renders in real time
        out.sendShort(0x80, 57, 0);
        // Closing and reopening goes on with the same file.
        out.close();
        out.open();
        QThread::msleep(100);
        beforeEnd = Clock::now();
    }
    afterEnd = Clock::now();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray wav = f.readAll();
    ASSERT_GT(wav.size(), 44);
    EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
    EXPECT_EQ(wav.mid(8, 4), QByteArray("WAVE"));
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    EXPECT_EQ(u16(22), 2) << "stereo";
    EXPECT_EQ(u32(24), 48000u);
    EXPECT_EQ(u16(34), 16) << "16-bit";
    EXPECT_EQ(u32(4), static_cast<quint32>(wav.size() - 8)) << "the header was finished";
    // The file lasts as long as the recording was open, whatever the load of the machine.
    const double frames = (wav.size() - 44) / 4;
    const auto seconds = [](Clock::duration d) { return std::chrono::duration<double>(d).count(); };
    EXPECT_GE(frames, seconds(beforeEnd - afterOpen) * 48000 * 0.999);
    EXPECT_LE(frames, seconds(afterEnd - beforeOpen) * 48000 * 1.001 + 256);
    int loudest = 0;
    for (int i = 44; i + 1 < wav.size(); i += 2)
        loudest = std::max(loudest, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
    EXPECT_GT(loudest, 1000) << "the note is in the file";
}

TEST(Recording, NotesStruckEverySecondAreASecondApartAtEveryBufferSize) {
    QTemporaryDir dir;
    for (const int period : {128, 100, 1000, 17}) {
        OfflineSynth synth;
        synth.plainPart(1, 0);
        const QString path = QDir(dir.path()).filePath(QStringLiteral("take%1.wav").arg(period));
        {
            // The clock is the test's: each note is struck at exactly k seconds.
            SynthRecorder recorder(synth.core(), period);
            ASSERT_TRUE(recorder.open(path));
            for (int k = 0; k < 4; ++k) {
                recorder.renderUntil(0.5 + k);
                synth.note(0, 69);
                recorder.renderUntil(0.8 + k);
                synth.release(0, 69);
                if (k == 2) {
                    // Cut short here, the file would still open with its first two seconds.
                    QFile partial(path);
                    ASSERT_TRUE(partial.open(QIODevice::ReadOnly));
                    const QByteArray head = partial.read(44);
                    const quint32 data = qFromLittleEndian<quint32>(head.constData() + 40);
                    EXPECT_EQ(qFromLittleEndian<quint32>(head.constData() + 4), data + 36);
                    EXPECT_GE(data, 2u * 48000 * 4) << period << " frames";
                    EXPECT_LE(data, partial.size() - 44) << period << " frames";
                }
            }
            recorder.renderUntil(4.25);
        }
        const std::vector<int> left = wavLeft(path);
        EXPECT_EQ(left.size(), 4.25 * 48000) << period << " frames: the file's length";
        const std::vector<int> at = onsets(left);
        ASSERT_EQ(at.size(), 4u) << period << " frames";
        for (int k = 0; k < 4; ++k)
            EXPECT_NEAR(at[size_t(k)] - at[0], k * 48000, 48) << period << " frames, note " << k;
        EXPECT_GE(at[0], 0.5 * 48000) << period << " frames";
        EXPECT_LT(at[0], 0.51 * 48000) << period << " frames: struck at 0.5 s";
    }
}

TEST(BuiltInOutput, WithoutASoundFontItSaysSoAndStillPlaysTheSine) {
    BuiltInSynthConfig c;
    c.soundFont = QStringLiteral("/nonexistent/organ.sf2");
    c.sineSoundFont = QStringLiteral(VORLO_SINE_SOUNDFONT);
    c.audioDriver = QLatin1String(BuiltInSynthOutput::kOffline);
    BuiltInSynthOutput out(c);
    QStringList errors;
    QObject::connect(&out, &MidiOutputPort::error,
                     [&](int, const QString& text) { errors << text; });
    out.selectDevice(0);
    out.open();
    EXPECT_TRUE(out.isOpen());
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(QStringLiteral("fluid-soundfont-gm")))
        << errors[0].toStdString();
    // The reinforcement's sine and the organ's principal (missing): only the sine sounds.
    out.sendSysex(OfflineSynth::partParameter(1, GsPart::ToneVariation, {8, 80}));
    out.sendSysex(OfflineSynth::partParameter(2, GsPart::ToneVariation, {0, 19}));
    out.sendShort(0x90, 57, 100);
    out.sendShort(0x91, 57, 100);
    std::vector<float> l(4800), r(4800);
    fluid_synth_write_float(out.synthCore()->synth(), 4800, l.data(), 0, 1, r.data(), 0, 1);
    EXPECT_GT(OfflineSynth::rms(l), 0.01);
    fluid_voice_t* voices[8] = {};
    fluid_synth_get_voicelist(out.synthCore()->synth(), voices, 8, -1);
    ASSERT_NE(voices[0], nullptr);
    EXPECT_EQ(fluid_voice_get_channel(voices[0]), 0);
    EXPECT_EQ(voices[1], nullptr) << "part 2 has no tone";
}
