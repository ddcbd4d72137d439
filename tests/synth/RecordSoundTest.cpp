// File > Record's sound: what the built-in synthesizer renders reaches the WAV file, frame for
// frame; the sound cannot be chosen while the module output is not the synthesizer; a disk
// that fills stops the recording with a message and leaves no file behind.
#include "DatFile.h"
#include "MainWindowControls.h"
#include "RecordWindowControls.h"
#include "Recording.h"
#include "SynthConsoleFixture.h"
#include "SynthCore.h"
#include "SynthWavRecorder.h"
#include "support/FileBytes.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QThread>
#include <QtEndian>
#include <chrono>
#include <cmath>

using namespace vorlo;
using namespace vorlo::test;

namespace {

constexpr int kBlock = 256;

class RecordSoundTest : public SynthConsoleFixture {
protected:
    void SetUp() override {
        StopTable table;
        ASSERT_TRUE(DatFile::read(QStringLiteral(VORLO_ORGAN_TABLE), table).ok);
        writeTable(table);
        writeConfig([](ConsoleState& s) { s.MidiOutDevice = 1; });
        ASSERT_TRUE(settings().setValue(QStringLiteral("Synth/BuiltInSelected"), true));
        startWithSynth();
        ASSERT_TRUE(synth().isOpen());
        main()(ctl::main::RecordMenu).click();
    }
    Control& control(const ControlId& id) { return form(forms::Record)(id); }
    void startRecording(const QString& path) {
        control(ctl::record::CheckMidiFile).toggleCheck(false);
        control(ctl::record::CheckAudio).toggleCheck(true);
        dialogs.files = {path};
        control(ctl::record::ButtonFileName).click();
        control(ctl::record::ButtonStart).click();
    }
    // Renders as the audio driver would, keeping what was rendered. An audio driver renders
    // in real time; the test renders far faster, so it lets the writer keep within a second
    // of it, as real time would.
    void render(int blocks) {
        std::vector<float> l(kBlock), r(kBlock);
        const AudioRecorder& audio = synthBackend->audioRecorder();
        const int64_t from = audio.isRecording() ? audio.framesWritten() : 0;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        for (int b = 0; b < blocks; ++b) {
            synth().synthCore()->render(l.data(), r.data(), kBlock);
            left.insert(left.end(), l.begin(), l.end());
            right.insert(right.end(), r.begin(), r.end());
            const int64_t rendered = from + int64_t(b + 1) * kBlock;
            while (audio.isRecording() && audio.failure().isEmpty() &&
                   rendered - audio.framesWritten() > audio.sampleRate() &&
                   std::chrono::steady_clock::now() < deadline)
                QThread::msleep(1);
        }
    }
    static int16_t pcm(float x) {
        return static_cast<int16_t>(std::lrint(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
    }
    std::vector<float> left, right;
};

TEST_F(RecordSoundTest, RenderedFramesArriveInTheFile) {
    EXPECT_TRUE(control(ctl::record::CheckAudio).isEnabled());
    EXPECT_FALSE(control(ctl::record::LabelAudioReason).isVisible());
    render(10); // before the recording: not in the file
    left.clear();
    right.clear();
    const QString path = appFile(QStringLiteral("sound.wav"));
    startRecording(path);
    ASSERT_TRUE(console->recording().isRecording())
        << dialogs.messageTexts().join('|').toStdString();
    EXPECT_TRUE(QFileInfo::exists(path + QLatin1String(SynthWavRecorder::kTemporarySuffix)))
        << "the file grows under a temporary name";
    EXPECT_FALSE(QFileInfo::exists(path));
    main()(ctl::main::Tir_FO_GO, 1).click();
    play(kKeyboard1, {0x90, 0x3C, 0x64});
    settle();
    render(1125); // six seconds at 48 kHz: round the ring (four seconds) and on
    control(ctl::record::ButtonStart).click();
    ASSERT_FALSE(console->recording().isRecording());

    const QByteArray wav = fileBytes(path);
    ASSERT_GE(wav.size(), 44);
    EXPECT_FALSE(QFileInfo::exists(path + QLatin1String(SynthWavRecorder::kTemporarySuffix)));
    const auto* h = reinterpret_cast<const uchar*>(wav.constData());
    EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
    EXPECT_EQ(qFromLittleEndian<quint32>(h + 24), 48000u);
    const uint32_t dataBytes = qFromLittleEndian<quint32>(h + 40);
    ASSERT_EQ(dataBytes, left.size() * 4) << "every frame rendered while recording, no more";
    ASSERT_EQ(wav.size(), 44 + qsizetype(dataBytes));
    int differing = 0;
    float loudest = 0;
    for (size_t i = 0; i < left.size(); ++i) {
        const auto l = static_cast<int16_t>(qFromLittleEndian<quint16>(h + 44 + 4 * i));
        const auto r = static_cast<int16_t>(qFromLittleEndian<quint16>(h + 46 + 4 * i));
        differing += l != pcm(left[i]) || r != pcm(right[i]);
        loudest = std::max(loudest, std::fabs(left[i]));
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(loudest, 0.01f) << "the note sounded";
    EXPECT_TRUE(control(ctl::record::LabelStatus)
                    .caption()
                    .startsWith(QStringLiteral("Saved sound.wav (0:00:06).")))
        << control(ctl::record::LabelStatus).caption().toStdString();

    // Another module output: the sound cannot be chosen, and the window says why.
    output().close();
    main()(ctl::main::RecordMenu).click();
    EXPECT_FALSE(control(ctl::record::CheckAudio).isEnabled());
    EXPECT_TRUE(control(ctl::record::LabelAudioReason).isVisible());
    EXPECT_TRUE(control(ctl::record::LabelAudioReason)
                    .caption()
                    .contains(QStringLiteral("not the module output")));
    // Still ticked from before: Start says why nothing starts.
    control(ctl::record::ButtonStart).click();
    EXPECT_FALSE(console->recording().isRecording());
    EXPECT_EQ(dialogs.messageTexts().filter(QStringLiteral("The sound cannot be recorded")).size(),
              1);
}

TEST_F(RecordSoundTest, ABlockTheRingCannotTakeIsLeftOutAndReportedAtStop) {
    const QString path = appFile(QStringLiteral("overrun.wav"));
    startRecording(path);
    ASSERT_TRUE(console->recording().isRecording());
    render(100);
    // Five seconds in one block: more than the ring holds, as when the writer falls behind.
    const int frames = 5 * synthBackend->audioRecorder().sampleRate();
    std::vector<float> l(static_cast<size_t>(frames));
    std::vector<float> r(static_cast<size_t>(frames));
    synth().synthCore()->render(l.data(), r.data(), frames);
    render(100);
    control(ctl::record::ButtonStart).click();
    const QByteArray wav = fileBytes(path);
    ASSERT_GE(wav.size(), 44);
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), left.size() * 4)
        << "the blocks around it, whole";
    EXPECT_TRUE(control(ctl::record::LabelStatus)
                    .caption()
                    .contains(QStringLiteral("5000 ms of sound were left out")))
        << control(ctl::record::LabelStatus).caption().toStdString();
}

TEST_F(RecordSoundTest, AFullDiskStopsTheRecordingWithAMessageAndLeavesNoFile) {
    SmallDisk disk(256);
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QString path = disk.file(QStringLiteral("sound.wav"));
    startRecording(path);
    ASSERT_TRUE(console->recording().isRecording());
    AudioRecorder& audio = synthBackend->audioRecorder();
    // Two seconds of sound are more than the disk holds.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (audio.failure().isEmpty() && std::chrono::steady_clock::now() < deadline) {
        render(10);
        QThread::msleep(2);
    }
    ASSERT_FALSE(audio.failure().isEmpty());
    console->recording().tick();
    EXPECT_FALSE(console->recording().isRecording());
    ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.messageTexts().join('|').toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("could not be saved")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(disk.file(QStringLiteral("sound.wav"))));
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    // The synthesizer plays on.
    EXPECT_TRUE(synth().isOpen());
    main()(ctl::main::Tir_FO_GO, 1).click();
    play(kKeyboard1, {0x90, 0x40, 0x64});
    settle();
    left.clear();
    render(40);
    float loudest = 0;
    for (float x : left)
        loudest = std::max(loudest, std::fabs(x));
    EXPECT_GT(loudest, 0.01f);
}

} // namespace
