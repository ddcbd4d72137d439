// The whole console on a JACK server of its own, with keyboards and a module that come and go
// as a player's do: unplugged, plugged again, listed in another order, and the server itself
// stopped and started under the running console.
#include "ConfigFile.h"
#include "ConfigurationStore.h"
#include "Console.h"
#include "ConsoleEvents.h"
#include "Couplers.h"
#include "DatFile.h"
#include "DeviceLights.h"
#include "Drawstops.h"
#include "JackProbeInput.h"
#include "JackProbeOutput.h"
#include "JackServer.h"
#include "JackTest.h"
#include "MidiDevices.h"
#include "MidiPortSetup.h"
#include "PanelState.h"
#include "SettingsFile.h"
#include "SetupWindowControls.h"
#include "rtmidi/RtMidiPortRegistry.h"
#include "support/ConsoleFixture.h"
#include "support/FixedScreen.h"
#include "support/NoticeLog.h"
#include "support/ScriptedDialogs.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <map>

using namespace vorlo;
using namespace vorlo::test;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

// How long the console may take to notice a device and open it on a loaded machine.
constexpr int kNoticeMs = 10000;

// The resident set of this process, in kB (0 where /proc is not there).
long residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// The notes still sounding at the module after these messages: (channel, key) with more
// note-ons than releases.
std::map<std::pair<int, int>, int> soundingNotes(const std::vector<QByteArray>& messages) {
    std::map<std::pair<int, int>, int> sounding;
    for (const QByteArray& m : messages) {
        if (m.size() != 3)
            continue;
        const int kind = static_cast<uint8_t>(m[0]) & 0xF0;
        const std::pair<int, int> note{static_cast<uint8_t>(m[0]) & 0x0F, m[1]};
        if (kind == 0x90 && m[2] != 0)
            ++sounding[note];
        else if (kind == 0x80 || kind == 0x90)
            sounding[note] = 0;
    }
    std::erase_if(sounding, [](const auto& n) { return n.second == 0; });
    return sounding;
}

class DevicesOnJack : public JackTest {
protected:
    void SetUp() override {
        JackTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(DatFile::write(dir.filePath(QStringLiteral("vorlo2000.dat")),
                                   ConsoleFixture::markerTable()));
    }
    void TearDown() override { console.reset(); }

    // A configuration whose numbers mean nothing on this server: the names decide.
    void storeNames(const QString& keyboard, const QString& module) {
        ConsoleState s;
        s.AppDir = dir.path();
        ConfigFile::installDefaults(s, ScreenContext{28800, 16200, 9680, 6870});
        s.MidiIn1Device = 0;
        s.MidiIn2Device = 0;
        s.MidiOutDevice = 0;
        ASSERT_TRUE(ConfigFile::write(dir.filePath(QStringLiteral("vorlo2000.CFG")), s));
        SettingsFile settings(dir.path());
        settings.setValue(QStringLiteral("Devices/Keyboard1"), keyboard);
        settings.setValue(QStringLiteral("Devices/Keyboard2"), QStringLiteral("No device"));
        settings.setValue(QStringLiteral("Devices/Module"), module);
    }
    void startConsole() {
        Console::Environment env;
        env.appDir = dir.path();
        env.backend = backend.get();
        env.dialogs = &dialogs;
        env.screen = &screen;
        console = std::make_unique<Console>(env);
        console->events().add(notices);
        console->Form_Load();
        runEvents(50);
    }
    // Waits until the module has had nothing new for a while: what the console sent (its reset
    // goes at the cable's speed) is all there.
    static bool quiet(const JackProbeInput& module) {
        constexpr int kStillMs = 400;
        size_t seen = module.count();
        QDeadlineTimer still(kStillMs);
        return waitUntil(
            [&] {
                if (module.count() != seen) {
                    seen = module.count();
                    still.setRemainingTime(kStillMs);
                }
                return still.hasExpired();
            },
            kNoticeMs);
    }
    // A keyboard and a module on the server, stored by name, and the console started on them.
    void startWithKeyboardAndModule() {
        keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
        module = std::make_unique<JackProbeInput>("module", "in");
        storeNames(keyboard->portName(), module->portName());
        startConsole();
        ASSERT_TRUE(inputOpen());
        ASSERT_TRUE(outputOpen());
    }
    bool inputOpen() { return console->MIDIInput1().isOpen(); }
    bool outputOpen() { return console->MIDIOutput1().isOpen(); }
    DeviceLights::Light light(MidiPort port) { return console->deviceLights().shown(port).light; }
    bool noticed(const QString& part) {
        return std::any_of(notices.texts.begin(), notices.texts.end(),
                           [&](const QString& t) { return t.contains(part); });
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedScreen screen;
    NoticeLog notices;
    std::unique_ptr<JackProbeOutput> keyboard;
    std::unique_ptr<JackProbeInput> module;
    std::unique_ptr<Console> console;
};

TEST_F(DevicesOnJack, AKeyboardAndTheModuleUnpluggedAndPluggedAgainPlayOnWithoutAQuestion) {
    startWithKeyboardAndModule();
    if (HasFatalFailure())
        return;
    ASSERT_TRUE(module->waitFor(1));
    EXPECT_EQ(hex(module->messages().front()), ConsoleFixture::marker(0).toStdString());
    ASSERT_TRUE(quiet(*module));

    // Keys held, the Great coupled to the Pedal, when the keyboard's program quits.
    console->couplers().UNPI_Click();
    keyboard->play({0x90, 60, 100});
    keyboard->play({0x92, 36, 100});
    ASSERT_TRUE(
        waitUntil([&] { return soundingNotes(module->messages()).size() == 3; }, kNoticeMs));
    keyboard.reset();
    ASSERT_TRUE(waitUntil([&] { return soundingNotes(module->messages()).empty(); }, kNoticeMs))
        << "every note and its copies are released";
    EXPECT_TRUE(waitUntil([&] { return light(MidiPort::Input1) == DeviceLights::Light::Absent; },
                          kNoticeMs));

    keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
    ASSERT_TRUE(waitUntil([&] { return inputOpen(); }, kNoticeMs)) << "the keyboard is reopened";
    const size_t before = module->count();
    keyboard->play({0x90, 62, 100});
    ASSERT_TRUE(module->waitFor(before + 1));
    EXPECT_EQ(hex(module->messages().back()), "90 3E 64");

    // The module goes and comes back: it gets the reset and the registration.
    module.reset();
    EXPECT_TRUE(waitUntil([&] { return !outputOpen(); }, kNoticeMs));
    keyboard->play({0x80, 62, 0});
    module = std::make_unique<JackProbeInput>("module", "in");
    ASSERT_TRUE(waitUntil([&] { return outputOpen(); }, kNoticeMs));
    ASSERT_TRUE(module->waitFor(20));
    EXPECT_EQ(hex(module->messages().front()), ConsoleFixture::marker(0).toStdString());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('\n').toStdString();
    EXPECT_TRUE(noticed(QStringLiteral("is connected")));
}

TEST_F(DevicesOnJack, DevicesListedInAnotherOrderAreFoundByNameAndTheNumbersFollow) {
    // The first run knows the devices by their numbers only (an older configuration).
    {
        JackProbeOutput keyboard("keyboard", "out");
        JackProbeInput module("module", "in");
        startConsole();
        MidiDevices& devices = console->devices();
        const int in =
            static_cast<int>(devices.deviceNames(MidiPort::Input1).indexOf(keyboard.portName()));
        const int out =
            static_cast<int>(devices.deviceNames(MidiPort::Output).indexOf(module.portName()));
        ASSERT_GE(in, 0);
        ASSERT_GE(out, 0);
        devices.useDevices(in, devices.noDeviceIndex(MidiPort::Input2), out);
        console->configuration().Salva_dati_di_avvio();
        console.reset();
    }
    // The next run: a new source and a new sink come before the player's devices.
    JackProbeOutput newSource("a-new-source", "out");
    JackProbeInput newSink("a-new-sink", "in");
    JackProbeOutput keyboard("keyboard", "out");
    JackProbeInput module("module", "in");
    startConsole();
    ASSERT_TRUE(module.waitFor(1)) << "the module gets the reset";
    ASSERT_TRUE(quiet(module));
    EXPECT_EQ(newSink.count(), 0u) << "nothing goes to the new sink";
    const MidiDevices& devices = console->devices();
    EXPECT_EQ(devices.choice(MidiPort::Input1).name, keyboard.portName());
    EXPECT_EQ(devices.choice(MidiPort::Output).name, module.portName());
    const size_t before = module.count();
    newSource.play({0x90, 61, 100});
    keyboard.play({0x90, 60, 100});
    ASSERT_TRUE(module.waitFor(before + 1));
    runEvents(100);
    EXPECT_EQ(hex(module.messages().back()), "90 3C 64");
    EXPECT_EQ(module.count(), before + 1);
    EXPECT_EQ(console->state().MidiIn1Device,
              devices.deviceNames(MidiPort::Input1).indexOf(keyboard.portName()));
}

TEST_F(DevicesOnJack, APortCreatedLaterIsListedWithSetUpClosedAndOpen) {
    JackProbeInput module("module", "in");
    storeNames(QStringLiteral("keyboard:out"), module.portName());
    startConsole();
    EXPECT_FALSE(inputOpen());
    EXPECT_TRUE(noticed(QStringLiteral("is not connected")));
    JackProbeOutput late("late", "out");
    EXPECT_TRUE(waitUntil(
        [&] { return console->devices().deviceNames(MidiPort::Input1).contains(late.portName()); },
        kNoticeMs));

    console->portSetup().SetMidi_Click();
    Control& list = console->form(ctl::setup::Window)(ctl::setup::InputDev1Combo);
    EXPECT_TRUE(list.items().contains(late.portName()));
    JackProbeOutput later("later", "out");
    EXPECT_TRUE(waitUntil([&] { return list.items().contains(later.portName()); }, kNoticeMs));
    JackProbeOutput keyboard("keyboard", "out");
    EXPECT_TRUE(waitUntil([&] { return list.items().contains(keyboard.portName()); }, kNoticeMs));
    EXPECT_FALSE(inputOpen()) << "nothing opens while the set-up is open";
}

TEST_F(DevicesOnJack, AServerStoppedAndStartedUnderTheConsoleIsWaitedForAndReconnected) {
    startWithKeyboardAndModule();
    if (HasFatalFailure())
        return;
    keyboard.reset();
    module.reset();

    JackServer* server = JackServer::current();
    server->stop();
    EXPECT_TRUE(waitUntil([&] { return noticed(QStringLiteral("The MIDI system has stopped")); },
                          kNoticeMs));
    EXPECT_FALSE(inputOpen());
    EXPECT_FALSE(outputOpen());
    EXPECT_EQ(light(MidiPort::Output), DeviceLights::Light::Absent);
    console->drawstops().Tir_FO_GO_Click(2);
    runEvents(300);
    EXPECT_FALSE(console->hasEnded());

    // The test's server opens a client of its own in this process to see that it is up, which
    // must not meet the console's dead clients while they are still being let go of.
    backend->ports()->waitForRetired();
    ASSERT_TRUE(server->restart()) << server->problem().toStdString();
    // The devices' programs come back once the server is there for the console too.
    ASSERT_TRUE(
        waitUntil([&] { return noticed(QStringLiteral("The MIDI system is back")); }, kNoticeMs));
    keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
    module = std::make_unique<JackProbeInput>("module", "in");
    ASSERT_TRUE(waitUntil([&] { return inputOpen() && outputOpen(); }, 2 * kNoticeMs));
    ASSERT_TRUE(module->waitFor(1));
    EXPECT_EQ(hex(module->messages().front()), ConsoleFixture::marker(0).toStdString());
    ASSERT_TRUE(quiet(*module));
    const size_t restored = module->count();
    keyboard->play({0x90, 60, 100});
    ASSERT_TRUE(waitUntil([&] { return module->count() > restored; }, kNoticeMs));
    EXPECT_EQ(hex(module->messages().back()), "90 3C 64");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('\n').toStdString();
}

TEST_F(DevicesOnJack, AHundredPlugCyclesWithNotesLeaveNoStuckNoteAndNoLeak) {
    constexpr int kCycles = 100;
    auto module = std::make_unique<JackProbeInput>("module", "in");
    storeNames(QStringLiteral("keyboard:out"), module->portName());
    startConsole();
    // A first cycle settles what is made once (the JACK client's buffers, Qt's caches).
    auto cycle = [&](int i) {
        JackProbeOutput keyboard("keyboard", "out");
        if (!waitUntil([&] { return inputOpen(); }, kNoticeMs))
            return false;
        const unsigned char key = static_cast<unsigned char>(36 + i % 48);
        keyboard.play({0x90, key, 100});
        keyboard.play({0x90, static_cast<unsigned char>(key + 1), 100});
        keyboard.play({0x80, key, 0});
        // The second key is still held when the keyboard goes.
        if (!waitUntil([&] { return !soundingNotes(module->messages()).empty(); }, kNoticeMs))
            return false;
        return true;
    };
    ASSERT_TRUE(cycle(0));
    ASSERT_TRUE(waitUntil([&] { return !inputOpen(); }, kNoticeMs));
    const long before = residentKb();
    for (int i = 1; i <= kCycles; ++i) {
        ASSERT_TRUE(cycle(i)) << "cycle " << i;
        ASSERT_TRUE(waitUntil([&] { return !inputOpen(); }, kNoticeMs)) << "cycle " << i;
        ASSERT_TRUE(waitUntil([&] { return soundingNotes(module->messages()).empty(); }, kNoticeMs))
            << "a note stuck in cycle " << i;
    }
    const long after = residentKb();
    EXPECT_FALSE(console->hasEnded());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('\n').toStdString();
    std::printf("[ RSS      ] %ld kB before, %ld kB after %d cycles\n", before, after, kCycles);
    // AddressSanitizer keeps what is freed aside for a while, so the set grows there whatever
    // the program does; its leak check at the end judges leaks instead.
    if (!kAddressSanitizer) {
        // What grows with every cycle shows over a hundred; a few pages come and go regardless.
        constexpr long kToleranceKb = 2048;
        EXPECT_LT(after - before, kToleranceKb);
    }
}

} // namespace
