// The output port on a real JACK server: what the console sends must reach the module byte
// for byte and in order, and a failing module must never take the console down.
#include "rtmidi/RtMidiOutput.h"
#include "AllocationCounter.h"
#include "JackProbeInput.h"
#include "JackTest.h"
#include "MidiConstants.h"
#include "MidiOutputPort.h"
#include "MidiPortError.h"

#include <QCoreApplication>
#include <QThread>
#include <map>
#include <set>

using namespace vorlo;
using namespace vorlo::test;

namespace {

struct RaisedError {
    int code;
    std::string text;
};

class RtMidiOutputOverJack : public JackTest {
protected:
    void SetUp() override {
        JackTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        out = backend->createOutput();
        QObject::connect(out.get(), &MidiOutputPort::error, [this](int code, const QString& text) {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            errors.push_back({code, text.toStdString()});
        });
    }

    // Opens the output on the probe's port, found by name in the output's device list.
    void openOn(const JackProbeInput& probe) {
        const int index = indexOf(*out, probe.portName());
        ASSERT_GE(index, 0) << probe.portName().toStdString() << " is not listed";
        out->selectDevice(index);
        out->open();
        ASSERT_TRUE(out->isOpen());
    }

    // Sends a note-off as a marker and waits for it: whatever was sent before has arrived by
    // then, since JACK keeps the order.
    void sendMarkerAndWait(JackProbeInput& probe, size_t expectedBefore) {
        out->sendShort(midi::NoteOff, 0x7F, 0x00);
        ASSERT_TRUE(probe.waitFor(expectedBefore + 1)) << "marker lost";
        runEvents(20); // lets queued error signals through
    }

    std::unique_ptr<MidiOutputPort> out;
    std::vector<RaisedError> errors;
};

const std::string kMarker = "80 7F 00";

TEST_F(RtMidiOutputOverJack, ShortMessagesGoOutWithTheLengthOfTheirKind) {
    JackProbeInput module("module", "in");
    openOn(module);

    out->sendShort(midi::status(midi::NoteOn, midi::GreatChannel), 60, 100);
    out->sendShort(midi::status(midi::ControlChange, midi::SwellChannel), midi::CcExpression, 90);
    out->sendShort(midi::status(midi::ProgramChange, midi::PedalChannel), 5, 77);
    out->sendShort(midi::status(midi::ChannelPressure, 16), 33, 44);
    out->sendShort(midi::status(midi::PitchBend, 1), 0x00, 0x40);
    out->sendShort(midi::SongSelect, 3, 99);
    out->sendShort(midi::ActiveSensing, 1, 2);
    out->sendShort(midi::status(midi::NoteOff, midi::GreatChannel), 60, 0);

    ASSERT_TRUE(module.waitFor(8));
    runEvents(20);
    EXPECT_EQ(hex(module.messages()),
              (std::vector<std::string>{"90 3C 64", "B1 0B 5A", "C2 05", "DF 21", "E0 00 40",
                                        "F3 03", "FE", "80 3C 00"}));
    EXPECT_TRUE(errors.empty());
}

TEST_F(RtMidiOutputOverJack, SystemExclusiveArrivesWholeAndConcatenatedMessagesOneByOne) {
    JackProbeInput module("module", "in");
    openOn(module);

    const QByteArray gsReset = QByteArray::fromHex("F041104212400035004B7F");
    QByteArray gsResetTerminated = gsReset + QByteArray(1, char(midi::SysexEnd));
    QByteArray big(2000, 0x2A);
    big[0] = char(midi::SysexStart);
    big[big.size() - 1] = char(midi::SysexEnd);
    const QByteArray first = QByteArray::fromHex("F04110421240010001F7");
    const QByteArray second = QByteArray::fromHex("F0411042124001017F02F7");

    out->sendSysex(gsResetTerminated);
    out->sendSysex(big);
    out->sendSysex(first + second); // a stops-table entry holding two messages
    out->sendSysex(QByteArray());   // nothing at all
    sendMarkerAndWait(module, 4);

    const auto got = module.messages();
    ASSERT_EQ(got.size(), 5u) << ::testing::PrintToString(hex(got));
    EXPECT_EQ(got[0], gsResetTerminated);
    EXPECT_EQ(got[1], big);
    EXPECT_EQ(got[2], first);
    EXPECT_EQ(got[3], second);
    EXPECT_EQ(hex(got[4]), kMarker);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RtMidiOutputOverJack, SendingAShortMessageAllocatesNothing) {
    JackProbeInput module("module", "in");
    openOn(module);
    constexpr int kCount = 200;
    size_t allocations = 0;
    {
        const AllocationCounter counter;
        for (int i = 0; i < kCount; ++i)
            out->sendShort(midi::status(midi::NoteOn, 1), static_cast<uint8_t>(i % 128), 64);
        allocations = counter.count();
    }
    EXPECT_EQ(allocations, 0u);
    ASSERT_TRUE(module.waitFor(kCount)) << "the notes were not sent at all";
}

TEST_F(RtMidiOutputOverJack, MalformedMessagesAreRefusedWholeWithAnError) {
    JackProbeInput module("module", "in");
    openOn(module);

    out->sendSysex(QByteArray::fromHex("F0411042")); // never ends
    out->sendSysex(QByteArray::fromHex("F04110F7"
                                       "3C"));       // stray byte after
    out->sendSysex(QByteArray::fromHex("F04190F7")); // status byte inside
    out->sendSysex(QByteArray::fromHex("F04110F7"
                                       "F0411042"));               // second one unended
    out->sendShort(midi::status(midi::NoteOn, 1), 0x80, 0x40);     // data byte too big
    out->sendShort(midi::status(midi::ControlChange, 1), 7, 0xFF); // the same
    out->sendShort(0x3C, 0x40, 0x00);                              // no status byte
    out->sendShort(midi::SysexStart, 0x41, 0x10);                  // sysex is not short
    // The second data byte of a program change is not sent, so it is not judged either.
    out->sendShort(midi::status(midi::ProgramChange, 1), 0x05, 0xFF);
    sendMarkerAndWait(module, 1);

    EXPECT_EQ(hex(module.messages()), (std::vector<std::string>{"C0 05", kMarker}));
    ASSERT_EQ(errors.size(), 8u);
    for (const RaisedError& e : errors)
        EXPECT_EQ(e.code, RtMidiBackend::BadMessage) << e.text;
    EXPECT_EQ(errors[0].text, "Not a system-exclusive message, not sent: F0 41 10 42");
    EXPECT_EQ(errors[4].text, "Not a MIDI message, not sent: 90 80 40");
    EXPECT_TRUE(out->isOpen()) << "bad data is no reason to close the port";
}

TEST_F(RtMidiOutputOverJack, AMessageTooLongForJackIsRefusedNotLost) {
    JackProbeInput module("module", "in");
    openOn(module);
    auto sysex = [](qsizetype length) {
        QByteArray m(length, 0x55);
        m[0] = char(midi::SysexStart);
        m[length - 1] = char(midi::SysexEnd);
        return m;
    };
    const QByteArray longest = sysex(16379);
    out->sendSysex(longest);
    out->sendSysex(QByteArray::fromHex("F07E7F0901F7") + sysex(16380)); // refused whole
    sendMarkerAndWait(module, 1);

    const auto got = module.messages();
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], longest);
    EXPECT_EQ(hex(got[1]), kMarker);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].code, RtMidiBackend::SendFailed);
    EXPECT_EQ(errors[0].text, "A system-exclusive message of 16380 bytes is too long for JACK "
                              "(at most 16379 bytes), not sent");
    EXPECT_TRUE(out->isOpen());
}

TEST_F(RtMidiOutputOverJack, TheSameFailureIsToldOnceUntilItHasBeenDelivered) {
    JackProbeInput module("module", "in");
    openOn(module);
    for (int i = 0; i < 50; ++i)
        out->sendShort(midi::status(midi::NoteOn, 1), 0x80, 0x40);
    sendMarkerAndWait(module, 0);
    ASSERT_EQ(errors.size(), 1u);

    out->sendShort(midi::status(midi::NoteOn, 1), 0x80, 0x40);
    runEvents(20);
    EXPECT_EQ(errors.size(), 2u) << "once delivered, the next failure is told again";
}

TEST_F(RtMidiOutputOverJack, NothingIsSentWhileClosed) {
    JackProbeInput module("module", "in");
    out->sendShort(midi::status(midi::NoteOn, 1), 60, 100);
    out->sendSysex(QByteArray::fromHex("F07E7F0901F7"));
    openOn(module);
    out->close();
    EXPECT_FALSE(out->isOpen());
    out->sendShort(midi::status(midi::NoteOn, 1), 61, 100);
    out->sendSysex(QByteArray::fromHex("F07E7F0901F7"));
    out->open(); // the device stays selected
    sendMarkerAndWait(module, 0);

    EXPECT_EQ(hex(module.messages()), std::vector<std::string>{kMarker});
    EXPECT_TRUE(errors.empty());
}

TEST_F(RtMidiOutputOverJack, DeviceListAndSelection) {
    JackProbeInput module("module", "in");
    JackProbeInput other("synth", "midi in");
    const int count = out->deviceCount();
    ASSERT_EQ(count, 2) << "only the two probes are on the test server";
    QStringList names = {out->deviceName(0), out->deviceName(1)};
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("module:in"), QStringLiteral("synth:midi in")}));

    for (const int bad : {-1, count, count + 5}) {
        try {
            out->deviceName(bad);
            ADD_FAILURE() << "deviceName(" << bad << ") did not throw";
        } catch (const MidiPortError& e) {
            EXPECT_EQ(e.code(), RtMidiBackend::InvalidDevice);
            EXPECT_EQ(e.text(), QStringLiteral("Invalid MIDI output device number %1").arg(bad));
        }
        EXPECT_THROW(out->selectDevice(bad), MidiPortError);
    }
    try {
        out->open();
        ADD_FAILURE() << "opened without a device";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::NoDeviceSelected);
    }
    EXPECT_FALSE(out->isOpen());

    openOn(other);
    EXPECT_EQ(dynamic_cast<RtMidiOutput&>(*out).openDevice(), QStringLiteral("synth:midi in"));
}

TEST_F(RtMidiOutputOverJack, ChoiceStaysOnItsDeviceWhenTheListChanges) {
    auto early = std::make_unique<JackProbeInput>("early", "in");
    JackProbeInput module("module", "in");
    const int index = indexOf(*out, module.portName());
    ASSERT_GE(index, 0);
    out->selectDevice(index);
    early.reset(); // the list shrinks between choice and opening
    out->open();
    out->sendShort(midi::status(midi::NoteOn, 1), 60, 1);
    EXPECT_TRUE(module.waitFor(1));
    EXPECT_EQ(dynamic_cast<RtMidiOutput&>(*out).openDevice(), module.portName());
}

TEST_F(RtMidiOutputOverJack, OpeningADeviceThatWentAwayThrows) {
    auto module = std::make_unique<JackProbeInput>("module", "in");
    const int index = indexOf(*out, module->portName());
    ASSERT_GE(index, 0);
    out->selectDevice(index);
    module.reset();
    try {
        out->open();
        ADD_FAILURE() << "opened a device that is gone";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::CannotOpen);
        EXPECT_EQ(e.text(),
                  QStringLiteral("The MIDI output device \"module:in\" is not available"));
    }
    EXPECT_FALSE(out->isOpen());
    out->sendShort(midi::status(midi::NoteOn, 1), 60, 1); // harmless
}

TEST_F(RtMidiOutputOverJack, VanishedDeviceRaisesErrorClosesAndThePortCarriesOn) {
    auto module = std::make_unique<JackProbeInput>("module", "in");
    openOn(*module);
    out->sendShort(midi::status(midi::NoteOn, 1), 60, 100);
    ASSERT_TRUE(module->waitFor(1));

    // The console hears of the loss before the error that tells the player.
    int lostBeforeError = 0;
    int lost = 0;
    QObject::connect(out.get(), &MidiOutputPort::deviceLost, [&] {
        ++lost;
        if (errors.empty())
            ++lostBeforeError;
    });
    module.reset(); // the module's owner quits
    ASSERT_TRUE(waitUntil([&] { return !errors.empty(); }, 3000)) << "no error raised";
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(lostBeforeError, 1);
    EXPECT_EQ(errors[0].code, RtMidiBackend::DeviceGone);
    EXPECT_EQ(errors[0].text, "The MIDI output device \"module:in\" is no longer available");
    EXPECT_FALSE(out->isOpen());

    // Sending now does nothing and raises nothing more.
    out->sendShort(midi::status(midi::NoteOn, 1), 61, 100);
    out->sendSysex(QByteArray::fromHex("F07E7F0901F7"));
    runEvents(50);
    EXPECT_EQ(errors.size(), 1u);
    EXPECT_EQ(lost, 1);

    JackProbeInput replacement("spare", "in");
    openOn(replacement);
    out->sendShort(midi::status(midi::NoteOn, 1), 62, 100);
    ASSERT_TRUE(replacement.waitFor(1));
    EXPECT_EQ(hex(replacement.messages()), std::vector<std::string>{"90 3E 64"});
}

} // namespace

TEST_F(RtMidiOutputOverJack, BurstsFarBeyondOneCycleArriveCompleteAndInOrder) {
    JackProbeInput module("module", "in");
    openOn(module);
    auto* rt = dynamic_cast<RtMidiOutput*>(out.get());
    ASSERT_NE(rt, nullptr);
    EXPECT_TRUE(rt->burstLimit().limits()) << "JACK output is paced";

    // 8 KiB of stops-table entries (512 messages of 16 bytes, 64 to an entry), then 2,000
    // short messages, all back to back: twice what a cycle takes, within what waits in order.
    std::vector<QByteArray> sent;
    QByteArray entry;
    for (int i = 0; i < 512; ++i) {
        QByteArray m = QByteArray::fromHex("F041104212400000000000000000");
        m[7] = char((i >> 7) & 0x7F);
        m[8] = char(i & 0x7F);
        m += char(0x10);
        m += char(midi::SysexEnd);
        ASSERT_EQ(m.size(), 16);
        sent.push_back(m);
        entry += m;
        if (entry.size() == 64 * 16) {
            out->sendSysex(entry);
            entry.clear();
        }
    }
    EXPECT_GT(rt->waiting(), 0u) << "more than a cycle carries waits its turn";
    for (int i = 0; i < 2000; ++i) {
        const auto key = static_cast<uint8_t>(i % 128);
        const auto velocity = static_cast<uint8_t>((i / 128) % 128);
        out->sendShort(midi::status(midi::NoteOn, 1), key, velocity);
        sent.push_back(QByteArray::fromHex("90") + char(key) + char(velocity));
    }
    ASSERT_TRUE(module.waitFor(sent.size(), 20000)) << module.count() << " of " << sent.size();
    runEvents(50);
    const auto got = module.messages();
    ASSERT_EQ(got.size(), sent.size());
    for (size_t i = 0; i < sent.size(); ++i)
        ASSERT_EQ(got[i], sent[i]) << "message " << i;
    EXPECT_TRUE(errors.empty()) << errors.front().text;
    EXPECT_EQ(rt->waiting(), 0u);
}

TEST_F(RtMidiOutputOverJack, AFloodBeyondWhatWaitsInOrderIsBoundedAndLeavesNoNoteSounding) {
    JackProbeInput module("module", "in");
    openOn(module);
    auto* rt = dynamic_cast<RtMidiOutput*>(out.get());
    ASSERT_NE(rt, nullptr);
    size_t drops = 0;
    QObject::connect(out.get(), &MidiOutputPort::messageDropped, [&] { ++drops; });
    // 64 KiB of data sets to 32 addresses, notes with their note-offs and a volume pedal among
    // them, all back to back: far more than JACK takes meanwhile.
    std::map<QByteArray, QByteArray> lastData;
    uint8_t lastVolume = 0;
    size_t mostWaiting = 0;
    for (int i = 0; i < 4096; ++i) {
        QByteArray m = QByteArray::fromHex("F04110421240000000000000000010F7");
        m[7] = char(i % 32);
        m[8] = char(i & 0x7F);
        out->sendSysex(m);
        lastData[m.left(8)] = m;
        const auto key = static_cast<uint8_t>(i % 128);
        out->sendShort(midi::status(midi::NoteOn, 1), key, 100);
        lastVolume = static_cast<uint8_t>(i % 128);
        out->sendShort(midi::status(midi::ControlChange, 1), midi::CcVolume, lastVolume);
        out->sendShort(midi::status(midi::NoteOff, 1), key, 0);
        mostWaiting = std::max(mostWaiting, rt->waiting());
    }
    EXPECT_GT(drops, 0u);
    // 16 KB in order, then at most one message per address and controller, one note-off per
    // sounding note.
    EXPECT_LE(mostWaiting, 16384u / 3 + 32 + 1 + 128);
    ASSERT_TRUE(waitUntil([&] { return rt->waiting() == 0; }, 20000));
    runEvents(50);
    std::map<QByteArray, QByteArray> got;
    std::set<int> sounding;
    int volume = -1;
    for (const QByteArray& m : module.messages()) {
        const auto status = static_cast<uint8_t>(m[0]);
        if (status == midi::SysexStart) {
            got[m.left(8)] = m;
        } else if (status == midi::status(midi::ControlChange, 1)) {
            volume = static_cast<uint8_t>(m[2]);
        } else if (status == midi::status(midi::NoteOn, 1)) {
            EXPECT_TRUE(sounding.insert(m[1]).second) << "struck twice";
        } else if (status == midi::status(midi::NoteOff, 1)) {
            EXPECT_EQ(sounding.erase(m[1]), 1u) << "a note-off without its note";
        }
    }
    EXPECT_TRUE(sounding.empty()) << sounding.size() << " notes left sounding";
    EXPECT_EQ(got, lastData) << "every address ends with its last data";
    EXPECT_EQ(volume, lastVolume);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RtMidiOutputOverJack, AShortMessageQueuedBehindABurstAllocatesNothingAndClosingSendsAll) {
    JackProbeInput module("module", "in");
    openOn(module);
    auto* rt = dynamic_cast<RtMidiOutput*>(out.get());
    ASSERT_NE(rt, nullptr);
    QByteArray big(4000, 0x11);
    big[0] = char(midi::SysexStart);
    big[big.size() - 1] = char(midi::SysexEnd);
    for (int i = 0; i < 4; ++i)
        out->sendSysex(big);
    ASSERT_GT(rt->waiting(), 0u);
    constexpr int kCount = 200;
    size_t allocations = 0;
    {
        const AllocationCounter counter;
        for (int i = 0; i < kCount; ++i)
            out->sendShort(midi::status(midi::NoteOn, 1), static_cast<uint8_t>(i % 128), 64);
        allocations = counter.count();
    }
    EXPECT_EQ(allocations, 0u);
    // Closing waits until the system has taken everything.
    out->close();
    EXPECT_EQ(rt->waiting(), 0u);
    ASSERT_TRUE(module.waitFor(4 + kCount)) << module.count();
    const auto got = module.messages();
    EXPECT_EQ(got[3], big);
    EXPECT_EQ(hex(got.back()), "90 47 40");
}
