// File > Record on the virtual MIDI system: the Standard MIDI File holds what left for the
// module, at the time it left; the Record window shows its states; a disk that cannot take the
// file loses nothing silently and leaves no half-written file.
#include "Recording.h"
#include "MainWindowControls.h"
#include "MidiFileRecorder.h"
#include "PacedOutputPort.h"
#include "RecordWindowControls.h"
#include "SettingsFile.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/MidiFileReader.h"
#include "support/SmallDisk.h"

#include <QDir>

using namespace vorlo;
using namespace vorlo::test;

namespace {

using Clock = MidiFileRecorder::Clock;
Clock::time_point fakeNow{};
Clock::time_point fakeClock() {
    return fakeNow;
}
void advance(int ms) {
    fakeNow += std::chrono::milliseconds(ms);
}

QByteArray bytesOf(const QString& hex) {
    return QByteArray::fromHex(hex.toLatin1());
}

class RecordingTest : public ConsoleFixture {
protected:
    void startConsole() {
        ASSERT_TRUE(SettingsFile(dir.path()).setValue(QStringLiteral("Output/WireSpeed"), 0));
        startOnMarkerTable([](ConsoleState& s) { s.ThruMode = 0; });
        recording().setClock(&fakeClock);
        recording().setDefaultFolder(dir.path());
        main()(ctl::main::RecordMenu).click();
    }
    Recording& recording() { return console->recording(); }
    Form& window() { return form(forms::Record); }
    Control& control(const ControlId& id) { return window()(id); }
    void nameFiles(const QString& path) {
        dialogs.files = {path};
        control(ctl::record::ButtonFileName).click();
    }
    // Everything the module received, laid end to end.
    QByteArray moduleBytes() {
        QByteArray all;
        for (const auto& s : midi->sent())
            all += s.bytes;
        return all;
    }
};

TEST_F(RecordingTest, TheMidiFileHoldsWhatLeftForTheModuleAtItsTime) {
    startConsole();
    const QString path = appFile(QStringLiteral("take.mid"));
    nameFiles(appFile(QStringLiteral("take")));
    EXPECT_EQ(control(ctl::record::LabelFileName).caption(), QStringLiteral("take.mid"));
    midi->clearLog();
    const size_t before = midi->sent().size();
    control(ctl::record::ButtonStart).click();
    ASSERT_TRUE(recording().isRecording());

    advance(250);
    play(kKeyboard1, {0x90, 0x3C, 0x64});
    settle();
    advance(1750);
    main()(ctl::main::Tir_FO_GO, 3).click();
    settle();
    advance(600);
    play(kKeyboard1, {0x80, 0x3C, 0x00});
    settle();
    advance(400);
    control(ctl::record::ButtonStart).click();
    ASSERT_FALSE(recording().isRecording());

    const MidiFileReader file(fileBytes(path));
    ASSERT_TRUE(file.ok) << file.error.toStdString();
    EXPECT_EQ(fileBytes(path).left(14), bytesOf("4d546864 00000006 0000 0001 01f4"))
        << "format 0, one track, 500 ticks a quarter";
    ASSERT_GE(file.events.size(), 4u);
    EXPECT_EQ(file.events.front().bytes, bytesOf("ff51 07a120")) << "500,000 us a quarter";
    EXPECT_EQ(file.events.front().tick, 0u);
    // Everything the module received while recording, in its order, and nothing else.
    QByteArray sentWhileRecording;
    const auto sent = midi->sent();
    for (size_t i = before; i < sent.size(); ++i)
        sentWhileRecording += sent[i].bytes;
    EXPECT_EQ(file.messageBytes().toHex(' '), sentWhileRecording.toHex(' '));

    const auto noteOns = file.withStatus(0x90);
    ASSERT_EQ(noteOns.size(), 1u);
    EXPECT_EQ(noteOns[0].tick, 250u);
    EXPECT_EQ(noteOns[0].bytes, bytesOf("903c64"));
    const auto noteOffs = file.withStatus(0x80);
    ASSERT_EQ(noteOffs.size(), 1u);
    EXPECT_EQ(noteOffs[0].tick, 2600u);
    // It begins with the module's whole set-up: the module reset (entry 0), then the
    // registration in force, with the Great's Fondi at its position.
    const auto sysex = file.withStatus(0xF0);
    ASSERT_FALSE(sysex.empty());
    EXPECT_EQ(sysex[0].tick, 0u);
    EXPECT_EQ(sysex[0].bytes.toHex(' ').toUpper(), marker(0).toLatin1());
    const auto greatFondi = std::find_if(sysex.begin(), sysex.end(), [](const auto& e) {
        return e.bytes.toHex(' ').toUpper() == marker(40).toLatin1();
    });
    ASSERT_NE(greatFondi, sysex.end());
    EXPECT_LT(greatFondi->tick, 250u) << "before anything played";
    // The drawstop: its stored entry (a system-exclusive message) and the controllers after it.
    const auto drawn =
        std::find_if(sysex.begin(), sysex.end(), [](const auto& e) { return e.tick == 2000; });
    ASSERT_NE(drawn, sysex.end());
    EXPECT_EQ(drawn->bytes.toHex(' ').toUpper(), marker(43).toLatin1());
    bool controllerAtDrawstop = false;
    for (const auto& e : file.events)
        controllerAtDrawstop |= (static_cast<uint8_t>(e.bytes[0]) & 0xF0) == 0xB0 && e.tick == 2000;
    EXPECT_TRUE(controllerAtDrawstop);
    EXPECT_TRUE(file.events.back().meta);
    EXPECT_EQ(file.events.back().tick, 3000u) << "the track ends when Stop was pressed";
    EXPECT_EQ(
        control(ctl::record::LabelStatus).caption(),
        QStringLiteral("Saved take.mid (%1 messages).").arg(recording().midiFile().messages()));
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('|').toStdString();
}

TEST_F(RecordingTest, SystemExclusiveLengthsAreVariableLengthAndHeldNotesEndWithTheFile) {
    MidiFileRecorder r;
    r.setClock(&fakeClock);
    r.start();
    QByteArray long200(200, '\x11');
    long200[0] = '\xF0';
    long200[199] = '\xF7';
    advance(5);
    r.sysexSent(long200 + bytesOf("f0 41 f7"));
    r.shortSent(0xF8, 0, 0); // a clock byte has no place in a file
    advance(130);
    r.shortSent(0x91, 0x40, 0x70);
    r.shortSent(0xC0, 0x13, 0x55); // a program change carries one data byte
    advance(20);
    r.sysexSent(bytesOf("11 22")); // not framed: kept as an escape
    const QByteArray file = r.finish();
    const QByteArray track = file.mid(22 + 7);
    // delta 5, F0, length 199 = 81 47, the data after F0; then the second message at delta 0.
    EXPECT_EQ(track.left(4), bytesOf("05 f0 81 47"));
    EXPECT_EQ(track.mid(4, 199), long200.mid(1));
    EXPECT_EQ(track.mid(203, 5), bytesOf("00 f0 02 41 f7"));
    // 130 ms = 81 02.
    EXPECT_EQ(track.mid(208, 8), bytesOf("81 02 91 40 70 00 c0 13"));
    EXPECT_EQ(track.mid(216, 5), bytesOf("14 f7 02 11 22"));
    // The note still sounding is let go where the recording ends, then the track ends.
    EXPECT_EQ(track.mid(221), bytesOf("00 81 40 00 00 ff 2f 00"));
    const MidiFileReader read(file);
    EXPECT_TRUE(read.ok) << read.error.toStdString();
    EXPECT_EQ(r.messages(), 5u);
}

TEST_F(RecordingTest, TheWindowShowsTheTimeAndWhatCannotBeRecorded) {
    startConsole();
    using namespace ctl::record;
    EXPECT_TRUE(window().isLoaded());
    EXPECT_EQ(control(ButtonStart).caption(), QStringLiteral("&Start"));
    // The console on a MIDI module has no sound of its own: the audio cannot be chosen.
    EXPECT_FALSE(control(CheckAudio).isEnabled());
    EXPECT_TRUE(control(LabelAudioReason).isVisible());
    EXPECT_FALSE(control(LabelAudioReason).caption().isEmpty());
    // A new name with the date and time in the default folder.
    EXPECT_TRUE(control(LabelFileName).caption().startsWith(QStringLiteral("vorlo2000 20")));
    EXPECT_TRUE(control(LabelFileName).caption().endsWith(QStringLiteral(".mid")));

    // Nothing chosen: nothing starts.
    control(CheckMidiFile).toggleCheck(false);
    EXPECT_EQ(control(LabelFileName).caption(), QStringLiteral("Nothing chosen to record"));
    control(ButtonStart).click();
    EXPECT_FALSE(recording().isRecording());
    EXPECT_EQ(dialogs.messageTexts().filter(QStringLiteral("Choose what to record")).size(), 1);

    control(CheckMidiFile).toggleCheck(true);
    control(ButtonStart).click();
    ASSERT_TRUE(recording().isRecording());
    EXPECT_EQ(control(ButtonStart).caption(), QStringLiteral("&Stop"));
    EXPECT_FALSE(control(ButtonFileName).isEnabled());
    EXPECT_FALSE(control(CheckMidiFile).isEnabled());
    EXPECT_EQ(control(LabelStatus).caption(), QStringLiteral("Recording the MIDI file."));
    EXPECT_EQ(control(LabelElapsed).caption(), QStringLiteral("0:00:00"));
    advance(61'400);
    recording().tick();
    EXPECT_EQ(control(LabelElapsed).caption(), QStringLiteral("0:01:01"));
    advance(3'600'000);
    recording().tick();
    EXPECT_EQ(control(LabelElapsed).caption(), QStringLiteral("1:01:01"));
    // Closing the window leaves the recording running.
    window().requestClose();
    EXPECT_TRUE(recording().isRecording());
    control(ButtonStart).click();
    EXPECT_EQ(control(ButtonStart).caption(), QStringLiteral("&Start"));
    EXPECT_TRUE(control(ButtonFileName).isEnabled());
    EXPECT_TRUE(control(CheckMidiFile).isEnabled());
    EXPECT_TRUE(control(LabelStatus).caption().startsWith(QStringLiteral("Saved vorlo2000 20")));
    const QStringList saved = QDir(dir.path()).entryList({QStringLiteral("vorlo2000 20*.mid")});
    EXPECT_EQ(saved.size(), 1) << "the default name with the date and time";
    // Another recording at once takes a name of its own.
    control(ButtonStart).click();
    control(ButtonStart).click();
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("vorlo2000 20*.mid")}).size(), 2);
}

TEST_F(RecordingTest, AFullRoomStopsTheRecordingWithANoticeAndKeepsWhatItHeld) {
    startConsole();
    recording().setMidiRoom(40);
    control(ctl::record::CheckSetUp).toggleCheck(false);
    nameFiles(appFile(QStringLiteral("short.mid")));
    control(ctl::record::ButtonStart).click();
    for (int key = 48; key < 84; ++key) {
        advance(10);
        play(kKeyboard1, {0x90, static_cast<uint8_t>(key), 0x64});
        settle();
    }
    EXPECT_TRUE(recording().midiFile().isFull());
    EXPECT_GT(recording().midiFile().messagesLost(), 0u);
    EXPECT_TRUE(recording().isRecording()) << "stopped by the window's look, not the note path";
    recording().tick();
    EXPECT_FALSE(recording().isRecording());
    EXPECT_EQ(dialogs.messageTexts().filter(QStringLiteral("room is full")).size(), 1);
    const MidiFileReader file(fileBytes(appFile(QStringLiteral("short.mid"))));
    ASSERT_TRUE(file.ok) << file.error.toStdString();
    const auto ons = file.withStatus(0x90);
    const auto offs = file.withStatus(0x80);
    EXPECT_EQ(ons.size(), recording().midiFile().messages());
    EXPECT_EQ(offs.size(), ons.size()) << "every note kept is let go at the end";
    // The console plays on.
    play(kKeyboard1, {0x90, 0x30, 0x64});
    settle();
    EXPECT_TRUE(log().contains(QStringLiteral("90 30 64")));
}

TEST_F(RecordingTest, ADiskThatCannotTakeTheFileLeavesNoPartAndOffersAnotherName) {
    auto disk = std::make_unique<SmallDisk>(256);
    if (!disk->mounted())
        GTEST_SKIP() << disk->reason().toStdString();
    startConsole();
    const QString onDisk = disk->file(QStringLiteral("take.mid"));
    nameFiles(onDisk);
    control(ctl::record::ButtonStart).click();
    ASSERT_TRUE(recording().isRecording());
    disk->fill();
    for (int i = 0; i < 40; ++i) {
        advance(5);
        main()(ctl::main::Tir_FO_GO, i % 10).click();
        settle();
    }
    // The player refuses the first offer: the file is not saved and the window says so.
    control(ctl::record::ButtonStart).click();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("could not be written")));
    EXPECT_FALSE(QFileInfo::exists(onDisk));
    EXPECT_EQ(QDir(disk->path()).entryList(QDir::Files | QDir::Hidden).filter("take"),
              QStringList())
        << "no temporary file left";
    EXPECT_TRUE(control(ctl::record::LabelStatus)
                    .caption()
                    .contains(QStringLiteral("the MIDI file was not saved")));
    play(kKeyboard1, {0x90, 0x30, 0x64});
    settle();
    EXPECT_TRUE(log().contains(QStringLiteral("90 30 64"))) << "the console plays on";

    // Next time the player takes the offer and names a file elsewhere: nothing is lost.
    nameFiles(onDisk);
    control(ctl::record::ButtonStart).click();
    advance(100);
    play(kKeyboard1, {0x90, 0x31, 0x64});
    settle();
    dialogs.answers = {true};
    dialogs.files = {appFile(QStringLiteral("elsewhere.mid"))};
    control(ctl::record::ButtonStart).click();
    const MidiFileReader file(fileBytes(appFile(QStringLiteral("elsewhere.mid"))));
    ASSERT_TRUE(file.ok) << file.error.toStdString();
    ASSERT_EQ(file.withStatus(0x90).size(), 1u);
    EXPECT_EQ(file.withStatus(0x90)[0].tick, 100u);
    EXPECT_FALSE(QFileInfo::exists(onDisk));

    // A folder that cannot take a file at all is told at Start.
    disk->makeRoom();
    ASSERT_TRUE(disk->remountReadOnly());
    nameFiles(onDisk);
    control(ctl::record::ButtonStart).click();
    EXPECT_FALSE(recording().isRecording());
    EXPECT_EQ(dialogs.messageTexts().filter(QStringLiteral("Nothing can be recorded")).size(), 1);
}

TEST_F(RecordingTest, EndingTheProgramWhileRecordingCompletesTheFile) {
    startConsole();
    nameFiles(appFile(QStringLiteral("end.mid")));
    control(ctl::record::ButtonStart).click();
    advance(50);
    play(kKeyboard1, {0x90, 0x3C, 0x64});
    settle();
    console->endWithoutQuestions();
    EXPECT_FALSE(recording().isRecording());
    const MidiFileReader file(fileBytes(appFile(QStringLiteral("end.mid"))));
    ASSERT_TRUE(file.ok) << file.error.toStdString();
    EXPECT_EQ(file.withStatus(0x90).size(), 1u);
    EXPECT_EQ(file.withStatus(0x80).size(), 1u) << "the held note is let go in the file";
}

} // namespace
