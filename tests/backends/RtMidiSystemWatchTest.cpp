// The watch over the MIDI system, on the test program's own JACK server: devices that come and
// go, the server stopping under open ports and coming back, and a console started before its
// server. The server is stopped and started again here; every test leaves it running.
#include "rtmidi/RtMidiSystemWatch.h"
#include "JackProbeInput.h"
#include "JackProbeOutput.h"
#include "JackServer.h"
#include "JackTest.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "MidiPortError.h"
#include "MidiSystemWatch.h"
#include "ShortMessage.h"
#include "rtmidi/RtMidiAlsaNotices.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>

using namespace vorlo;
using namespace vorlo::test;

namespace {

// Generous: a loaded machine can hold the server and the event loop back for seconds.
constexpr int kNoticeDeadlineMs = 5000;
constexpr int kSystemDeadlineMs = 10000;
// Longer than a few of the watch's ticks: time for a notice that should not come.
constexpr int kQuietMs = 600;

// What the watch and the ports raised, in order.
struct Heard {
    std::vector<std::string> events;
    int count(const std::string& event) const {
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }
};

class RtMidiSystemWatchOverJack : public JackTest {
protected:
    void TearDown() override {
        in.reset();
        out.reset();
        backend.reset();
        // Later tests of this program meet a running server, whatever happened here.
        JackServer* server = JackServer::current();
        if (server != nullptr && !server->isRunning() && !server->isMissing()) {
            EXPECT_TRUE(server->restart()) << server->problem().toStdString();
        }
    }

    // Makes the ports and the watch, and records what they raise.
    void watchPorts() {
        in = backend->createInput();
        out = backend->createOutput();
        watch = backend->watch();
        ASSERT_NE(watch, nullptr);
        QObject::connect(watch, &MidiSystemWatch::devicesChanged,
                         [this] { heard.events.emplace_back("devicesChanged"); });
        QObject::connect(watch, &MidiSystemWatch::systemLost,
                         [this] { heard.events.emplace_back("systemLost"); });
        QObject::connect(watch, &MidiSystemWatch::systemBack,
                         [this] { heard.events.emplace_back("systemBack"); });
        QObject::connect(in.get(), &MidiInputPort::deviceLost,
                         [this] { heard.events.emplace_back("input lost"); });
        QObject::connect(out.get(), &MidiOutputPort::deviceLost,
                         [this] { heard.events.emplace_back("output lost"); });
        QObject::connect(in.get(), &MidiInputPort::error, [this](int code, const QString&) {
            heard.events.emplace_back("input error " + std::to_string(code));
        });
        QObject::connect(out.get(), &MidiOutputPort::error, [this](int code, const QString&) {
            heard.events.emplace_back("output error " + std::to_string(code));
        });
    }

    bool waitFor(const std::string& event, int times, int deadlineMs) {
        return waitUntil([&] { return heard.count(event) >= times; }, deadlineMs);
    }

    template <class Port> void openByName(Port& port, const QString& name) {
        ASSERT_TRUE(waitUntil([&] { return indexOf(port, name) >= 0; }, kNoticeDeadlineMs))
            << name.toStdString() << " is not listed";
        port.selectDevice(indexOf(port, name));
        port.open();
        ASSERT_TRUE(port.isOpen());
    }

    // A note from the keyboard reaches the input, and one from the output reaches the module.
    void carryBothWays(JackProbeOutput& keyboard, JackProbeInput& module) {
        const int before = in->queuedCount();
        keyboard.play({0x90, 60, 100});
        ASSERT_TRUE(waitUntil([&] { return in->queuedCount() > before; }, kNoticeDeadlineMs))
            << "the keyboard's note did not arrive";
        const ShortMessage m = in->oldest();
        EXPECT_EQ(m.status, 0x90);
        EXPECT_EQ(m.data1, 60);
        const size_t sent = module.count();
        out->sendShort(0x91, 64, 90);
        ASSERT_TRUE(module.waitFor(sent + 1)) << "the console's note did not arrive";
        EXPECT_EQ(hex(module.messages().back()), "91 40 5A");
    }

    static void figure(const char* what, qint64 ms) {
        std::printf("[ figure   ] %s: %lld ms\n", what, static_cast<long long>(ms));
    }

    std::unique_ptr<MidiInputPort> in;
    std::unique_ptr<MidiOutputPort> out;
    MidiSystemWatch* watch = nullptr;
    Heard heard;
};

TEST_F(RtMidiSystemWatchOverJack, DevicesThatComeAndGoAreToldButTheConsolesOwnPortsAreNot) {
    watchPorts();
    ASSERT_TRUE(watch->systemAvailable());
    EXPECT_EQ(watch->howChangesAreSeen(), QStringLiteral("JACK notifications"));
    runEvents(kQuietMs);
    EXPECT_EQ(heard.count("devicesChanged"), 0) << "nothing has changed yet";

    QElapsedTimer clock;
    clock.start();
    auto keyboard = std::make_unique<JackProbeOutput>("newcomer", "out");
    ASSERT_TRUE(waitFor("devicesChanged", 1, kNoticeDeadlineMs)) << "a new keyboard not told";
    figure("port created to devicesChanged", clock.elapsed());
    EXPECT_GE(indexOf(*in, keyboard->portName()), 0) << "listed at the first look";

    // The console opening its own ports changes nothing it offers.
    in->selectDevice(indexOf(*in, keyboard->portName()));
    in->open();
    runEvents(kQuietMs);
    EXPECT_EQ(heard.count("devicesChanged"), 1);

    JackProbeInput module("arrival", "in");
    ASSERT_TRUE(waitFor("devicesChanged", 2, kNoticeDeadlineMs)) << "a new module not told";
    EXPECT_GE(indexOf(*out, module.portName()), 0);

    clock.restart();
    keyboard.reset();
    ASSERT_TRUE(waitFor("devicesChanged", 3, kNoticeDeadlineMs)) << "a keyboard gone not told";
    figure("port removed to devicesChanged", clock.elapsed());
    EXPECT_EQ(indexOf(*in, QStringLiteral("newcomer:out")), -1);
    // The open input lost its keyboard and says so on its own.
    EXPECT_TRUE(waitFor("input lost", 1, kNoticeDeadlineMs));
    EXPECT_EQ(heard.count("systemLost"), 0);
}

TEST_F(RtMidiSystemWatchOverJack, WhereTheSystemTellsNothingALookAtTheListsFindsTheChanges) {
    // The way of the ALSA sequencer, CoreMIDI and WinMM, tried here on JACK.
    JackProbeOutput keyboard("keyboard", "out");
    in = backend->createInput();
    RtMidiSystemWatch looking(*backend, RtMidiSystemWatch::Hearing::LookOnly);
    int changes = 0;
    QObject::connect(&looking, &MidiSystemWatch::devicesChanged, [&] { ++changes; });
    EXPECT_TRUE(looking.systemAvailable());
    EXPECT_EQ(looking.howChangesAreSeen(),
              QStringLiteral("a look at the device lists every second"));
    openByName(*in, keyboard.portName()); // the console's own port changes nothing offered
    runEvents(RtMidiSystemWatch::kLookIntervalMs + kQuietMs);
    EXPECT_EQ(changes, 0);

    QElapsedTimer clock;
    clock.start();
    auto module = std::make_unique<JackProbeInput>("module", "in");
    ASSERT_TRUE(waitUntil([&] { return changes == 1; }, kNoticeDeadlineMs));
    figure("port created to devicesChanged, by a look", clock.elapsed());
    module.reset();
    ASSERT_TRUE(waitUntil([&] { return changes == 2; }, kNoticeDeadlineMs));
    runEvents(RtMidiSystemWatch::kLookIntervalMs + kQuietMs);
    EXPECT_EQ(changes, 2) << "told once for each change";
}

TEST_F(RtMidiSystemWatchOverJack, AServerThatStopsIsToldAndOneThatComesBackIsWorkedWith) {
    JackServer* server = JackServer::current();
    watchPorts();
    auto keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
    auto module = std::make_unique<JackProbeInput>("module", "in");
    openByName(*in, keyboard->portName());
    openByName(*out, module->portName());
    carryBothWays(*keyboard, *module); // the keyboard's note is held
    runEvents(kQuietMs);
    heard.events.clear();

    QElapsedTimer clock;
    clock.start();
    server->stop();
    const qint64 stopMs = clock.elapsed();
    ASSERT_TRUE(waitFor("systemLost", 1, kSystemDeadlineMs)) << "the server's end not told";
    figure("server gone to systemLost", clock.elapsed() - stopMs);
    // Every open port said it lost its device before the watch told of the system.
    EXPECT_EQ(heard.count("input lost"), 1);
    EXPECT_EQ(heard.count("output lost"), 1);
    const auto lost = std::find(heard.events.begin(), heard.events.end(), "systemLost");
    EXPECT_EQ(std::count(heard.events.begin(), lost, std::string("input lost")), 1);
    EXPECT_EQ(std::count(heard.events.begin(), lost, std::string("output lost")), 1);
    EXPECT_FALSE(in->isOpen());
    EXPECT_FALSE(out->isOpen());
    EXPECT_EQ(in->queuedCount(), 1) << "what came before stays for the console";
    EXPECT_FALSE(watch->systemAvailable());
    // Nothing to list or open, and sending does nothing.
    EXPECT_EQ(in->deviceCount(), 0);
    EXPECT_EQ(out->deviceCount(), 0);
    out->sendShort(0x90, 60, 100);
    try {
        in->open();
        ADD_FAILURE() << "opened without a server";
    } catch (const MidiPortError& e) {
        EXPECT_EQ(e.code(), RtMidiBackend::NoMidiSystem);
    }
    // The other programs on the server went with it.
    keyboard.reset();
    module.reset();
    runEvents(kQuietMs);
    EXPECT_EQ(heard.count("systemLost"), 1);
    EXPECT_EQ(heard.count("systemBack"), 0);

    clock.restart();
    ASSERT_TRUE(server->restart()) << server->problem().toStdString();
    const qint64 startMs = clock.elapsed();
    ASSERT_TRUE(waitFor("systemBack", 1, kSystemDeadlineMs)) << "the server's return not told";
    figure("server up again to systemBack", clock.elapsed() - startMs);
    EXPECT_TRUE(watch->systemAvailable());
    EXPECT_GE(heard.count("devicesChanged"), 1);
    EXPECT_FALSE(in->isOpen());
    EXPECT_FALSE(out->isOpen());

    keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
    module = std::make_unique<JackProbeInput>("module", "in");
    in->close(); // empties the queue
    openByName(*in, keyboard->portName());
    openByName(*out, module->portName());
    carryBothWays(*keyboard, *module);
}

TEST_F(RtMidiSystemWatchOverJack, AConsoleStartedBeforeItsServerFindsItWhenItStarts) {
    JackServer* server = JackServer::current();
    backend.reset();
    server->stop();
    backend = std::make_unique<RtMidiBackend>(RtMidi::UNIX_JACK);
    ASSERT_FALSE(backend->available());
    watchPorts();
    EXPECT_FALSE(watch->systemAvailable());
    EXPECT_EQ(in->deviceCount(), 0);
    runEvents(RtMidiSystemWatch::kSystemRetryMs + kQuietMs);
    EXPECT_EQ(heard.count("systemBack"), 0);

    ASSERT_TRUE(server->restart()) << server->problem().toStdString();
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(waitFor("systemBack", 1, kSystemDeadlineMs)) << "the new server not found";
    figure("server up to systemBack (no server at start)", clock.elapsed());
    EXPECT_TRUE(watch->systemAvailable());
    EXPECT_TRUE(backend->available());
    EXPECT_EQ(watch->howChangesAreSeen(), QStringLiteral("JACK notifications"));

    JackProbeOutput keyboard("keyboard", "out");
    JackProbeInput module("module", "in");
    EXPECT_TRUE(waitFor("devicesChanged", 2, kNoticeDeadlineMs)) << "its devices not told";
    openByName(*in, keyboard.portName());
    openByName(*out, module.portName());
    carryBothWays(keyboard, module);
    // A port made now works with the server found.
    auto later = backend->createInput();
    EXPECT_EQ(indexOf(*later, keyboard.portName()), 0);
}

TEST(RtMidiAlsaAnnouncements, AreHeardWhereThereIsASequencerAndNeverBlock) {
    RtMidiAlsaNotices notices;
    if (!QFileInfo::exists(QStringLiteral("/dev/snd/seq"))) {
        EXPECT_FALSE(notices.open()) << "no sequencer here";
        EXPECT_FALSE(notices.takePortsChanged());
        return;
    }
    ASSERT_TRUE(notices.open());
    EXPECT_TRUE(JackTest::waitUntil([&] { return !notices.takePortsChanged(); }, 2000));
    RtMidiOut keyboard(RtMidi::LINUX_ALSA, "announced");
    keyboard.openVirtualPort("out");
    EXPECT_TRUE(JackTest::waitUntil([&] { return notices.takePortsChanged(); }, 5000))
        << "a new port not announced";
}

} // namespace
