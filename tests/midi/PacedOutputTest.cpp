// The output paced at the speed of the cable behind the module: the console's messages keep
// their order and reach the module whole and complete, the player's notes go out between them.
#include "MainWindowControls.h"
#include "Memories.h"
#include "PacedOutputPort.h"
#include "RolandChecksum.h"
#include "SettingsFile.h"
#include "SetupWindowControls.h"
#include "support/ConsoleFixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>
#include <chrono>
#include <map>

using namespace vorlo;
using namespace vorlo::test;

namespace {

using Clock = std::chrono::steady_clock;

bool isNote(const QString& line) {
    return line.startsWith(QLatin1Char('8')) || line.startsWith(QLatin1Char('9'));
}

bool isPanic(const QString& line) {
    return line.mid(3) == QStringLiteral("7B 00");
}

// What a GS module keeps from the data-set messages it received: the last data at each address.
std::map<QString, QString> moduleState(const QStringList& lines) {
    std::map<QString, QString> state;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("F0 41")))
            state[line.mid(15, 8)] = line.mid(24);
        else if (line.startsWith(QLatin1Char('B')))
            state[line.left(5)] = line.mid(6);
    }
    return state;
}

class PacedOutput : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig();
        midi->setWired(QString::fromLatin1(kModule), true);
        start();
        ASSERT_TRUE(drain());
        log();
        // Memory 1 changes all seven groups from the reset registration in memory 2.
        st().slot(1).MemFO_GO = 3;
        st().slot(1).MemFO_SW = 4;
        st().slot(1).MemMU_GO = 5;
        st().slot(1).MemMU_SW = 6;
        st().slot(1).MemAN_GO = 7;
        st().slot(1).MemAN_SW = 8;
        st().slot(1).MemPED = 9;
    }

    PacedOutputPort& paced() { return console->pacedOutput(); }

    // Runs events until every console message has gone to the device.
    bool drain(int timeoutMs = 5000) {
        QElapsedTimer t;
        t.start();
        while (paced().queued() > 0 && t.elapsed() < timeoutMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            QThread::usleep(200);
        }
        settle();
        return paced().queued() == 0;
    }
};

} // namespace

TEST_F(PacedOutput, PanicGoesOutBeforeWhatWaitsAndAReleaseFollowsItsPressAndCopies) {
    // The memory couples the Pedal to the Great and draws the sub-octave.
    st().slot(1).MemUnPedale = 1;
    st().slot(1).MemSubottava = 1;
    console->memories().Memorie(1);
    play(kKeyboard1, {0x92, 40, 100});
    settle();
    const size_t waiting = paced().queued();
    ASSERT_GT(waiting, 10u) << "the panic comes while the registration waits";
    main()(ctl::main::Panic).click();
    play(kKeyboard1, {0x82, 40, 0});
    settle();
    ASSERT_TRUE(drain());
    const QStringList sent = log();

    const qsizetype press = sent.indexOf(QStringLiteral("92 28 64"));
    const qsizetype release = sent.indexOf(QStringLiteral("82 28 00"));
    const qsizetype firstPanic = sent.indexOf(QStringLiteral("B0 7B 00"));
    ASSERT_GE(press, 0);
    ASSERT_GT(firstPanic, press);
    ASSERT_GT(release, firstPanic);
    EXPECT_EQ(sent.mid(press, 3), QStringList({"92 28 64", "90 28 64", "92 1C 64"}))
        << "the press, its Great copy and its sub-octave";
    EXPECT_EQ(sent.mid(firstPanic, 6), QStringList({"B0 7B 00", "B0 7B 00", "B1 7B 00", "B1 7B 00",
                                                    "B2 7B 00", "B2 7B 00"}));
    EXPECT_EQ(sent.mid(release, 3), QStringList({"82 28 00", "80 28 00", "82 1C 00"}))
        << "the release, after its press, with the same copies";
    // Everything that was waiting when the panic came went out after it.
    int consoleAfterPanic = 0;
    for (qsizetype i = firstPanic; i < sent.size(); ++i)
        consoleAfterPanic += (!isNote(sent[i]) && !isPanic(sent[i])) ? 1 : 0;
    EXPECT_EQ(consoleAfterPanic, static_cast<int>(waiting));
}

TEST_F(PacedOutput, AnEntryOfSeveralMessagesIsPacedMessageByMessageAndClosingSendsWhatWaits) {
    const QByteArray one = QByteArray::fromHex("F04110421240007F0041F7");
    const QByteArray two = QByteArray::fromHex("F0411042124001300A05F7");
    QByteArray entry;
    for (int i = 0; i < 20; ++i)
        entry += (i % 2 == 0) ? one : two;
    paced().sendSysex(entry);
    paced().sendShort(0xB0, 7, 100);
    EXPECT_GT(paced().queued(), 15u);
    // Closing hands over everything before the device goes.
    paced().close();
    const QStringList sent = log();
    ASSERT_EQ(sent.size(), 21);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(sent[i], VirtualMidiBackend::hex(i % 2 == 0 ? one : two));
    EXPECT_EQ(sent[20], QStringLiteral("B0 07 64"));

    // Bytes that are not whole messages go to the device as they are, in their turn.
    paced().open();
    paced().sendSysex(one + one);
    paced().sendSysex(QByteArray::fromHex("F04110"));
    ASSERT_TRUE(drain());
    EXPECT_EQ(log(), QStringList({VirtualMidiBackend::hex(one), VirtualMidiBackend::hex(one),
                                  QStringLiteral("F0 41 10")}));
}

TEST_F(PacedOutput, RepeatedResetsKeepWhatWaitsBoundedAndTheModuleEndsTheSame) {
    console->waiter().longestWaitMs = 0;
    console->RESET_Click();
    const size_t oneReset = paced().queuedBytes();
    ASSERT_GT(oneReset, 200u);
    ASSERT_TRUE(drain());
    const std::map<QString, QString> afterOne = moduleState(log());

    // A flood of program changes pressing RESET: far more than the cable carries.
    const size_t resets = 3 * PacedOutputPort::kCoalesceFrom / oneReset;
    for (size_t i = 0; i < resets; ++i)
        console->RESET_Click();
    EXPECT_LE(paced().queuedBytes(), PacedOutputPort::kCoalesceFrom + oneReset);
    paced().flush();
    settle();
    EXPECT_EQ(moduleState(log()), afterOne) << "every address ends with the same data";
}

TEST_F(PacedOutput, MorePlayedThanTheCableCarriesIsToldInTheTitleUntilItStops) {
    const QString title = main().caption();
    // 300 chords' worth of notes at once: 900 bytes, far more than 100 ms of cable.
    for (int i = 0; i < 300; ++i)
        play(kKeyboard1, {static_cast<uint8_t>(0x90 | (i % 3)), static_cast<uint8_t>(i % 128), 90});
    settle();
    EXPECT_TRUE(paced().isBehindCable());
    EXPECT_EQ(main().caption(),
              title + QStringLiteral(" - more played than the MIDI cable carries: notes dropped"));
    const auto sent = static_cast<int>(log().size());
    EXPECT_LT(sent, 300) << "the excess was dropped";
    EXPECT_GT(sent, 90) << "about 100 ms of cable went out at once";
    QElapsedTimer t;
    t.start();
    while (paced().isBehindCable() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_EQ(main().caption(), title) << "back once nothing more is dropped";
}

namespace {

// The cable's clock in cable time: the flood below runs in simulated seconds.
Clock::time_point gCableNow{};
Clock::time_point cableNow() {
    return gCableNow;
}

} // namespace

TEST(PlayerFlood, ARegistrationIsNotHeldBackAndNoNoteIsLeftSounding) {
    VirtualMidiBackend midi({}, {QStringLiteral("Module")});
    midi.setWired(QStringLiteral("Module"), true);
    midi.setRecording(false);
    auto device = midi.createOutput();
    PacedOutputPort paced(*device);
    gCableNow = Clock::time_point{} + std::chrono::hours(1);
    paced.setClock(&cableNow);
    paced.setWireSpeed(PacedOutputPort::kDinBaud);
    paced.selectDevice(0);
    paced.open();

    // A registration of 30 data sets, 1,320 bytes: 422 ms on the cable.
    QByteArray registration;
    for (int i = 0; i < 30; ++i) {
        QByteArray addressAndData(37, '\x01');
        addressAndData[0] = 0x40;
        addressAndData[1] = 0x10;
        addressAndData[2] = static_cast<char>(i);
        registration += RolandChecksum::dataSet(0x10, addressAndData);
    }
    const auto own = std::chrono::duration<double>(registration.size() * 10.0 / 31250);

    std::array<std::array<bool, 128>, 16> sounding{};
    int sysexDone = 0;
    Clock::time_point registrationDone{};
    long notesOut = 0;
    midi.sink = [&](const uint8_t* b, size_t) {
        if (b[0] == 0xF0 && ++sysexDone == 30)
            registrationDone = gCableNow;
        const uint8_t kind = b[0] & 0xF0;
        if (kind == 0x90 || kind == 0x80) {
            sounding[b[0] & 0x0F][b[1]] = kind == 0x90 && b[2] != 0;
            ++notesOut;
        }
    };

    // 20 s of notes at 6,000 messages a second (a press and a release on the player stream in
    // turn), the registration asked for after 10 s.
    const auto step = std::chrono::nanoseconds(1'000'000'000 / 6000);
    Clock::time_point asked{};
    bool behindSeen = false;
    for (int i = 0; i < 6000 * 20; ++i) {
        gCableNow += step;
        if (i == 6000 * 10) {
            asked = gCableNow;
            paced.sendSysex(registration);
        }
        const auto key = static_cast<uint8_t>(36 + (i / 2) % 61);
        paced.player().sendShort(i % 2 == 0 ? 0x90 : 0x80, key, i % 2 == 0 ? 100 : 0);
        paced.pump();
        behindSeen = behindSeen || paced.isBehindCable();
    }
    // Let everything go.
    for (int i = 0; i < 100 && paced.queued() > 0; ++i) {
        gCableNow += std::chrono::milliseconds(100);
        paced.pump();
    }

    ASSERT_EQ(sysexDone, 30) << "the registration reached the module";
    const auto lag = std::chrono::duration<double>(registrationDone - asked);
    EXPECT_LE(lag.count(), 2 * own.count() + 4 * 0.1) << "seconds of cable time";
    EXPECT_TRUE(behindSeen) << "the player is told";
    EXPECT_GT(paced.droppedPlayerMessages(), 0u);
    EXPECT_GT(notesOut, 20 * 3125 / 3 / 4) << "the player still had a good share of the cable";
    for (const auto& channel : sounding)
        for (bool on : channel)
            EXPECT_FALSE(on) << "a note was left sounding";
}

TEST(WireSpeedSetting, IsReadFromTheSettingsFileWithDinAsDefaultAndApplied) {
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QVariant(), 31250), 31250);
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QStringLiteral("fast"), 31250), 31250);
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QStringLiteral("0"), 31250), 0);
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QStringLiteral("-5"), 31250), 0);
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QStringLiteral("38400"), 31250), 38400);
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QStringLiteral("300"), 31250),
              PacedOutputPort::kMinBaud);
    EXPECT_EQ(PacedOutputPort::parseWireSpeed(QStringLiteral("999999999"), 31250),
              PacedOutputPort::kMaxBaud);
}

class WireSpeedOff : public PacedOutput {
protected:
    void SetUp() override {
        SettingsFile(dir.path()).setValue(QStringLiteral("Output/WireSpeed"), 0);
        PacedOutput::SetUp();
    }
};

TEST_F(WireSpeedOff, SendsEverythingAtOnceAsBeforeAndTheSettingIsKept) {
    EXPECT_EQ(paced().wireSpeed(), 0);
    EXPECT_FALSE(paced().isPacing());
    console->memories().Memorie(1);
    EXPECT_EQ(paced().queued(), 0u);
    EXPECT_GT(log().size(), 40);

    ASSERT_TRUE(console->setWireSpeed(PacedOutputPort::kDinBaud));
    EXPECT_TRUE(paced().isPacing());
    EXPECT_EQ(SettingsFile(dir.path()).value(QStringLiteral("Output/WireSpeed")).toInt(),
              PacedOutputPort::kDinBaud);
}

TEST_F(ConsoleFixture, ADeviceWithoutACableIsNotPacedWhateverTheSpeed) {
    startOnMarkerTable();
    EXPECT_EQ(console->pacedOutput().wireSpeed(), PacedOutputPort::kDinBaud) << "the default";
    EXPECT_FALSE(console->pacedOutput().isPacing());
    st().slot(1).MemFO_GO = 3;
    console->memories().Memorie(1);
    EXPECT_EQ(console->pacedOutput().queued(), 0u);
    EXPECT_FALSE(log().isEmpty());
}

TEST_F(PacedOutput, TheSetUpWindowShowsTheWireSpeedAndOkKeepsTheChoice) {
    main()(ctl::main::SetMidi).click();
    Form& setup = console->form(ctl::setup::Window);
    Control& wire = setup(ctl::setup::WireSpeedCombo);
    EXPECT_EQ(wire.items(), QStringList({"Off", "MIDI cable (31,250 baud)"}));
    EXPECT_EQ(wire.listIndex(), 1);
    wire.chooseListIndex(0);
    setup(ctl::setup::Command1).click();
    settle();
    EXPECT_EQ(paced().wireSpeed(), 0);
    EXPECT_EQ(SettingsFile(dir.path()).value(QStringLiteral("Output/WireSpeed")).toInt(), 0);

    // A custom speed from the settings file is offered as it is and kept by OK.
    console->setWireSpeed(38400);
    main()(ctl::main::SetMidi).click();
    EXPECT_EQ(wire.items().value(2), QStringLiteral("Custom (38400 baud)"));
    EXPECT_EQ(wire.listIndex(), 2);
    setup(ctl::setup::Command1).click();
    settle();
    EXPECT_EQ(paced().wireSpeed(), 38400);
}
