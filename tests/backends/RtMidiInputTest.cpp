// The input port on a real JACK server: a keyboard (a plain RtMidi output) plays, the port
// queues what the console wants and raises message() on the console's thread.
#include "JackProbeInput.h"
#include "JackProbeOutput.h"
#include "JackTest.h"
#include "MidiConstants.h"
#include "MidiInputPort.h"
#include "MidiPortError.h"
#include "rtmidi/RtMidiDeviceLink.h"

#include <RtMidi.h>

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

using namespace vorlo;
using namespace vorlo::test;

namespace {

class RtMidiInputOverJack : public JackTest {
protected:
    void SetUp() override {
        JackTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        in = backend->createInput();
        // What the console's handler does: read every queued message, then drop it.
        QObject::connect(in.get(), &MidiInputPort::message, [this] {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            EXPECT_GE(in->queuedCount(), 1) << "message() with an empty queue";
            ++messageSignals;
            while (in->queuedCount() > 0) {
                const ShortMessage m = in->oldest();
                char text[16];
                std::snprintf(text, sizeof text, "%02X %02X %02X", m.status, m.data1, m.data2);
                received.emplace_back(text);
                in->dropOldest();
            }
        });
        QObject::connect(in.get(), &MidiInputPort::error, [this](int code, const QString& text) {
            EXPECT_EQ(QThread::currentThread(), qApp->thread());
            errors.emplace_back(code, text.toStdString());
        });
    }

    void openOn(const JackProbeOutput& keyboard) {
        const int index = indexOf(*in, keyboard.portName());
        ASSERT_GE(index, 0) << keyboard.portName().toStdString() << " is not listed";
        in->selectDevice(index);
        in->open();
        ASSERT_TRUE(in->isOpen());
    }

    // Plays a marker and waits until the console has read it: everything played before has
    // been through the port by then.
    void markAndWait(JackProbeOutput& keyboard) {
        keyboard.play({0x8F, 0x7F, 0x00});
        ASSERT_TRUE(
            waitUntil([&] { return !received.empty() && received.back() == kMarker; }, 3000))
            << "marker lost";
    }

    static constexpr const char* kMarker = "8F 7F 00";
    std::unique_ptr<MidiInputPort> in;
    std::vector<std::string> received;
    int messageSignals = 0;
    std::vector<std::pair<int, std::string>> errors;
};

TEST_F(RtMidiInputOverJack, PlayedMessagesOfEveryLengthAndABurstReachTheConsoleThreadInOrder) {
    JackProbeOutput keyboard("keyboard", "out");
    openOn(keyboard);
    keyboard.play({0x90, 60, 100});
    keyboard.play({0xB0, midi::CcSustain, 127});
    keyboard.play({0xC0, 7});
    keyboard.play({0xE1, 0x00, 0x40});
    std::vector<std::string> played{"90 3C 64", "B0 40 7F", "C0 07 00", "E1 00 40"};
    for (int i = 0; i < 1500; ++i) {
        const auto key = static_cast<unsigned char>(i % 128);
        const auto velocity = static_cast<unsigned char>(1 + (i / 128));
        keyboard.play({0x91, key, velocity});
        char text[16];
        std::snprintf(text, sizeof text, "91 %02X %02X", key, velocity);
        played.emplace_back(text);
    }
    played.emplace_back(kMarker);
    markAndWait(keyboard);
    ASSERT_EQ(received.size(), played.size());
    EXPECT_EQ(received, played);
    EXPECT_GE(messageSignals, 1);
    EXPECT_TRUE(errors.empty());
}

TEST_F(RtMidiInputOverJack, UnfilteredTimingAndSensingComeThroughAndAFilterStillActs) {
    // The MIDI library must not drop timing, sensing or system-exclusive itself: the port's
    // own filters and byte rules judge them.
    JackProbeOutput keyboard("keyboard", "out");
    in->setFilter(midi::Start, true);
    openOn(keyboard);
    keyboard.play({midi::ActiveSensing});
    keyboard.play({midi::TimingClock});
    keyboard.play({midi::Start});
    keyboard.play(QByteArray::fromHex("F041104212400035004B7FF7"));
    keyboard.play({midi::SystemReset});
    markAndWait(keyboard);
    EXPECT_EQ(received, (std::vector<std::string>{"FE 00 00", "F8 00 00", "FF 00 00", kMarker}));
}

TEST_F(RtMidiInputOverJack, DamagedEventsAreReadByTheByteRulesOfMidi) {
    JackProbeOutput keyboard("keyboard", "out");
    openOn(keyboard);
    keyboard.play(QByteArray::fromHex("B0C22F"));     // a status byte where data belong
    keyboard.play(QByteArray::fromHex("903C643E64")); // running status within one event
    keyboard.play(QByteArray::fromHex("3F64"));       // ... and across events
    keyboard.play(QByteArray::fromHex("F04110"));     // system-exclusive in pieces
    keyboard.play(QByteArray::fromHex("3C64F7"));
    keyboard.play(QByteArray::fromHex("91F83C64")); // real time inside a note
    markAndWait(keyboard);
    EXPECT_EQ(received, (std::vector<std::string>{"C2 2F 00", "90 3C 64", "90 3E 64", "90 3F 64",
                                                  "F8 00 00", "91 3C 64", kMarker}));
}

TEST_F(RtMidiInputOverJack, NothingIsQueuedWhileClosed) {
    JackProbeOutput keyboard("keyboard", "out");
    openOn(keyboard);
    keyboard.play({0x90, 60, 100});
    markAndWait(keyboard);
    in->close();
    EXPECT_FALSE(in->isOpen());
    keyboard.play({0x90, 61, 100});
    runEvents(50);
    EXPECT_EQ(in->queuedCount(), 0);

    received.clear();
    in->open(); // the keyboard is still selected
    keyboard.play({0x90, 62, 100});
    markAndWait(keyboard);
    EXPECT_EQ(received, (std::vector<std::string>{"90 3E 64", kMarker}));
}

TEST_F(RtMidiInputOverJack, BadDeviceNumbersAndMissingChoiceThrow) {
    JackProbeOutput keyboard("keyboard", "out");
    const int count = in->deviceCount();
    ASSERT_EQ(count, 1);
    EXPECT_EQ(in->deviceName(0), QStringLiteral("keyboard:out"));
    // The device link is the output's too (its test tries every bad number): here the
    // input's own wording.
    try {
        in->selectDevice(count);
        ADD_FAILURE() << "selectDevice(" << count << ") did not throw";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::InvalidDevice);
        EXPECT_EQ(e.text(), QStringLiteral("Invalid MIDI input device number %1").arg(count));
    }
    try {
        in->open();
        ADD_FAILURE() << "opened without a device";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::NoDeviceSelected);
        EXPECT_EQ(e.text(), QStringLiteral("No MIDI input device selected"));
    }
    EXPECT_FALSE(in->isOpen());
}

TEST_F(RtMidiInputOverJack, TheConsolesOwnPortsAreNotOffered) {
    JackProbeOutput keyboard("keyboard", "out");
    JackProbeInput module("module", "in");
    auto out = backend->createOutput();
    auto in2 = backend->createInput();
    openOn(keyboard);
    in2->selectDevice(indexOf(*in2, keyboard.portName()));
    in2->open();
    out->selectDevice(indexOf(*out, module.portName()));
    out->open();

    // JACK itself shows the console's ports to any other client...
    RtMidiOut sinks(RtMidi::UNIX_JACK, "onlooker");
    RtMidiIn sources(RtMidi::UNIX_JACK, "onlooker");
    QStringList seen;
    for (unsigned i = 0; i < sinks.getPortCount(); ++i)
        seen.append(QString::fromStdString(sinks.getPortName(i)));
    for (unsigned i = 0; i < sources.getPortCount(); ++i)
        seen.append(QString::fromStdString(sources.getPortName(i)));
    EXPECT_EQ(seen.filter(QStringLiteral("Vorlo2000")).size(), 3) << seen.join(", ").toStdString();

    // ...but the console never offers them to itself.
    EXPECT_EQ(out->deviceCount(), 1);
    EXPECT_EQ(out->deviceName(0), module.portName());
    EXPECT_EQ(in->deviceCount(), 1);
    EXPECT_EQ(in->deviceName(0), keyboard.portName());
}

TEST(RtMidiOwnPorts, AreKnownByTheConsolesClientName) {
    EXPECT_TRUE(RtMidiDeviceLink::isOwnPort(QStringLiteral("Vorlo2000:Input 1")));
    EXPECT_TRUE(RtMidiDeviceLink::isOwnPort(QStringLiteral("Vorlo2000-02:Output")));
    EXPECT_TRUE(RtMidiDeviceLink::isOwnPort(QStringLiteral("Vorlo2000:Output 129:0"))); // ALSA
    EXPECT_FALSE(RtMidiDeviceLink::isOwnPort(QStringLiteral("Vorlo2000 Synth:out")));
    EXPECT_FALSE(RtMidiDeviceLink::isOwnPort(QStringLiteral("Vorlo2000-pedal:out")));
    EXPECT_FALSE(RtMidiDeviceLink::isOwnPort(QStringLiteral("keyboard:Vorlo2000")));
    EXPECT_FALSE(RtMidiDeviceLink::isOwnPort(QStringLiteral("SC88 port B")));
}

TEST_F(RtMidiInputOverJack, VanishedKeyboardRaisesErrorAndThePortCarriesOn) {
    auto keyboard = std::make_unique<JackProbeOutput>("leaving", "out");
    openOn(*keyboard);
    keyboard->play({0x90, 60, 100});
    ASSERT_TRUE(waitUntil([&] { return received.size() == 1; }, 3000));

    keyboard.reset(); // the keyboard's owner quits
    ASSERT_TRUE(waitUntil([&] { return !errors.empty(); }, 3000)) << "no error raised";
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].first, RtMidiBackend::DeviceGone);
    EXPECT_EQ(errors[0].second, "The MIDI input device \"leaving:out\" is no longer available");
    EXPECT_FALSE(in->isOpen());
    runEvents(1200); // a further watch period: told once only
    EXPECT_EQ(errors.size(), 1u);

    JackProbeOutput other("staying", "out");
    openOn(other);
    other.play({0x92, 64, 80});
    markAndWait(other);
    EXPECT_EQ(received, (std::vector<std::string>{"90 3C 64", "92 40 50", kMarker}));
}

} // namespace
