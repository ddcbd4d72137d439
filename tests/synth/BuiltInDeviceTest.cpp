// The built-in synthesizer among the output devices: where it is listed, what a first start
// and an existing configuration select, and switching between it and a real module.
#include "OfflineSynth.h"
#include "SynthConsoleFixture.h"

#include <QDir>
#include <QFile>
#include <QThread>
#include <QtEndian>
#include <fluidsynth.h>

using namespace vorlo;
using namespace vorlo::test;

namespace {

const QString kChosen = QStringLiteral("Synth/BuiltInSelected");

class BuiltInDevice : public SynthConsoleFixture {
protected:
    void SetUp() override { writeTable(markerTable()); }
    Control& setup(const char* name) { return form(forms::Setup)(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(BuiltInDevice, AFirstStartPlaysOnTheBuiltInSynthesizer) {
    startWithSynth();
    EXPECT_EQ(st().MidiOutDevice, 1) << "after the one real module";
    EXPECT_EQ(st().MidiOutNoDevice, 2);
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    EXPECT_FALSE(console->MIDIOutput1().selectedDeviceHasWire());
    EXPECT_TRUE(synth().isOpen());
    EXPECT_TRUE(settings().value(kChosen).toBool());
    EXPECT_TRUE(midi->sent().empty()) << "the real module hears nothing";

    main()("SetMidi").click();
    const QStringList items = setup("outputDevcombo").items();
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
    main()("SetMidi").click();
    EXPECT_FALSE(synth().isOpen()) << "closed while set up";
    setup("outputDevcombo").chooseListIndex(0);
    setup("Command1").click();
    EXPECT_EQ(st().MidiOutDevice, 0);
    EXPECT_FALSE(settings().value(kChosen).toBool());
    EXPECT_FALSE(synth().isOpen());
    const QStringList sent = log();
    ASSERT_FALSE(sent.isEmpty());
    EXPECT_EQ(sent.first(), marker(0)) << "the module gets the whole console";

    main()("SetMidi").click();
    setup("outputDevcombo").chooseListIndex(1);
    setup("Command1").click();
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
    {
        BuiltInSynthOutput out(c);
        EXPECT_EQ(out.deviceName(0),
                  QStringLiteral("Built-in GS synthesizer (recording to take.wav)"));
        out.selectDevice(0);
        out.open();
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
    }
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
    const int frames = (wav.size() - 44) / 4;
    EXPECT_GT(frames, 48000 * 4 / 10) << "about 0.6 s rendered in real time";
    int loudest = 0;
    for (int i = 44; i + 1 < wav.size(); i += 2)
        loudest = std::max(loudest, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + i))));
    EXPECT_GT(loudest, 1000) << "the note is in the file";
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
