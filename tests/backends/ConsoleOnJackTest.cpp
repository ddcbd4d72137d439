// The console itself on the JACK backend: what goes wrong with a device is told to the player,
// and the console plays on.
#include "AbsentJackServer.h"
#include "Console.h"
#include "ConsoleEvents.h"
#include "JackProbeInput.h"
#include "JackProbeOutput.h"
#include "JackTest.h"
#include "MidiConstants.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "support/FixedScreen.h"
#include "support/NoticeLog.h"
#include "support/ScriptedDialogs.h"

#include <QTemporaryDir>

using namespace vorlo;
using namespace vorlo::test;

namespace {

class ConsoleOnJack : public JackTest {
protected:
    void TearDown() override { console.reset(); }

    void makeConsole(MidiBackend& midi) {
        Console::Environment env;
        env.appDir = dir.path();
        env.backend = &midi;
        env.dialogs = &dialogs;
        env.screen = &screen;
        console = std::make_unique<Console>(env);
        console->events().add(notices);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedScreen screen;
    NoticeLog notices;
    std::unique_ptr<Console> console;
};

TEST_F(ConsoleOnJack, AKeyboardThatVanishesReleasesItsNotesIsToldAndTheModuleStillPlays) {
    makeConsole(*backend);
    auto keyboard = std::make_unique<JackProbeOutput>("keyboard", "out");
    JackProbeInput module("module", "in");

    MidiInputPort& in = console->MIDIInput1();
    in.selectDevice(indexOf(in, keyboard->portName()));
    in.open();
    MidiOutputPort& out = console->MIDIOutput1();
    out.selectDevice(indexOf(out, module.portName()));
    out.open();

    // Two keys held on the Great and the Pedal when the keyboard's program quits.
    keyboard->play({0x90, 60, 100});
    keyboard->play({0x92, 36, 100});
    ASSERT_TRUE(module.waitFor(2));
    keyboard.reset();
    ASSERT_TRUE(waitUntil([&] { return !notices.texts.empty(); }, 3000)) << "nothing told";
    EXPECT_EQ(notices.texts.first(),
              QStringLiteral("The MIDI input device \"keyboard:out\" is no longer available"));
    EXPECT_TRUE(dialogs.messages.empty()) << "a vanished keyboard asks nothing";
    EXPECT_FALSE(in.isOpen());

    out.sendShort(midi::status(midi::NoteOn, midi::GreatChannel), 62, 100);
    ASSERT_TRUE(module.waitFor(5));
    EXPECT_EQ(hex(module.messages()), (std::vector<std::string>{"90 3C 64", "92 24 64", "80 3C 00",
                                                                "82 24 00", "90 3E 64"}));
}

TEST_F(ConsoleOnJack, NoMidiSystemIsToldOnceOnTheStatusLineNotInABox) {
    std::unique_ptr<RtMidiBackend> none;
    {
        const AbsentJackServer absent;
        none = std::make_unique<RtMidiBackend>(RtMidi::UNIX_JACK);
    }
    makeConsole(*none);
    runEvents(50);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    ASSERT_EQ(notices.texts.size(), 1) << notices.texts.join("\n").toStdString();
    EXPECT_TRUE(notices.texts[0].startsWith(QStringLiteral("No MIDI system available (")))
        << notices.texts[0].toStdString();
}

} // namespace
