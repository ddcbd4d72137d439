#include "AdvancedWindowControls.h"
#include "MainWindowControls.h"
#include "MidiPortSetup.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class Startup : public ConsoleFixture {
protected:
    QByteArray cfg() { return fileBytes(appFile(QStringLiteral("vorlo2000.CFG"))); }
};

} // namespace

TEST_F(Startup, FirstStartWithoutConfigurationRunsOnDefaultsWithEveryPortUnassigned) {
    writeTable(markerTable());
    start();
    ASSERT_TRUE(console->isStarted());
    // One window, after the console is up, names the keyboards there are to choose and opens
    // the set-up when asked; no message box.
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    ASSERT_EQ(dialogs.problemWindows.size(), 1u);
    ASSERT_EQ(dialogs.problemWindows[0].size(), 1);
    const StartupProblem& devices = dialogs.problemWindows[0][0];
    EXPECT_EQ(devices.text, QStringLiteral("Midi devices are unassigned : go to Setup !"));
    EXPECT_TRUE(devices.advice.contains(QStringLiteral("Keyboard 1, Keyboard 2")))
        << devices.advice.toStdString();
    EXPECT_EQ(devices.page, SetupPage::MidiDevices);
    EXPECT_EQ(st().MidiIn1Device, st().MidiIn1NoDevice);
    EXPECT_EQ(st().MidiIn1NoDevice, 2);
    EXPECT_EQ(st().MidiOutDevice, 1);
    EXPECT_FALSE(console->MIDIOutput1().isOpen());
    EXPECT_FALSE(console->MIDIInput1().isOpen());
    EXPECT_EQ(st().DatFilePath, appFile(QStringLiteral("vorlo2000.dat")));
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(form(forms::Advanced).isVisible());
    EXPECT_EQ(main().caption(), QStringLiteral("Vorlo2000 V2.0"));
    EXPECT_TRUE(cfg().isEmpty()) << "nothing is written back at start-up";
}

TEST_F(Startup, TheResetSendsTheModuleSetUpWithItsWaitsThenTheWholeConsole) {
    startOnMarkerTable([](ConsoleState& s) { s.ReverbType = 3; });
    std::vector<uint32_t> resetButton;
    console->waiter().observer = [this, &resetButton](int ms) {
        midi->note(QStringLiteral("wait %1").arg(ms));
        resetButton.push_back(main()(ctl::main::RESET).backColor());
    };
    // Disturb the live state: the reset must bring everything back.
    st().live().MemFO_GO = 7;
    st().live().MemExprSW = 90;
    console->RESET_Click();
    QStringList expected{marker(0), "wait 100", marker(1), "wait 2",
                         marker(2), "wait 2",   marker(3), marker(25)};
    expected << fullUpdateAfterReset();
    EXPECT_EQ(log(), expected);
    EXPECT_EQ(resetButton, std::vector<uint32_t>(3, color::Lit)) << "lit while the module resets";
    EXPECT_EQ(main()(ctl::main::RESET).backColor(), color::ButtonFace);
    EXPECT_EQ(st().sent().MemFO_GO, 0);
    EXPECT_EQ(st().LastMemory, 1);
}

TEST_F(Startup, AStoredReverbTheListCannotTakeIsToldAndTheFirstReverbIsSelectedAndSent) {
    StopTable t = markerTable();
    t.set(StopTable::kReverbNames + 2, QByteArray()); // two reverbs named
    writeTable(t);
    writeConfig([](ConsoleState& s) { s.ReverbType = 5; });
    makeConsole();
    console->Form_Load();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList({"The stored reverb number 5 is not in the list of this stops table: "
                           "the first reverb is used."}));
    EXPECT_EQ(st().ReverbType, 0);
    EXPECT_EQ(console->form(ctl::advanced::Window)(ctl::advanced::Riverberi).listIndex(), 0);
    const QStringList sent = log();
    const qsizetype stored = sent.indexOf(marker(StopTable::kReverbFirst + 5));
    const qsizetype first = sent.indexOf(marker(StopTable::kReverbFirst));
    EXPECT_GE(stored, 0) << "the reset sends the stored reverb before the lists are checked";
    EXPECT_GT(first, stored) << "then the first reverb, as its selection";
}

TEST_F(Startup, StartUpOpensTheChosenPortsAndTransmitsTheConsole) {
    writeTable(markerTable());
    writeConfig();
    makeConsole();
    console->Form_Load();
    settle();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_TRUE(console->MIDIInput2().isOpen());
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    const QStringList sent = log();
    ASSERT_GE(sent.size(), 8);
    EXPECT_EQ(sent.mid(0, 5),
              QStringList({marker(0), marker(1), marker(2), marker(3), marker(22)}));
    EXPECT_TRUE(sent.contains(marker(40)));
    EXPECT_TRUE(sent.contains(QStringLiteral("B2 0B 7F")));
}

TEST_F(Startup, APortThatCannotOpenIsToldWithItsReasonAndTheOtherPortsStillOpen) {
    writeTable(markerTable());
    writeConfig();
    midi->setOpenFails(QString::fromLatin1(kKeyboard2), true);
    start();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    ASSERT_EQ(dialogs.problemWindows.size(), 1u);
    ASSERT_EQ(dialogs.problemWindows[0].size(), 1);
    EXPECT_EQ(dialogs.problemWindows[0][0].subject, QStringLiteral("Keyboard 2"));
    EXPECT_FALSE(dialogs.problemWindows[0][0].text.isEmpty()) << "the port's own reason";
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_FALSE(console->MIDIInput2().isOpen());
    EXPECT_TRUE(console->MIDIOutput1().isOpen()) << "a keyboard that fails leaves the sound on";

    // After the start-up the same failure is the one message box it always was, once.
    console->portSetup().SetMidi_Click();
    console->portSetup().Command3_Click();
    EXPECT_EQ(dialogs.messageTexts(),
              QStringList(QStringLiteral(
                  " MIDI DEVICES CONFIGURATIONS NOT VALID, NOW! PLEASE CHECK IT BY SETUP MENU")));
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    midi->setOpenFails(QString::fromLatin1(kKeyboard2), false);
}

TEST_F(Startup, WithNoReadableTableAtAllTheConsoleRunsOnEmptyEntries) {
    writeConfig([this](ConsoleState& s) { s.DatFilePath = appFile(QStringLiteral("gone.dat")); });
    start();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.contains(QStringLiteral("cannot be read either")));
    EXPECT_TRUE(console->isStarted());
    console->drawstops().Tir_FO_GO_Click(3);
    EXPECT_EQ(st().sent().MemFO_GO, 3);
    const QStringList sent = log();
    EXPECT_EQ(sent.first(), QString()) << "the empty entry 43 goes out as an empty transmission";
}

TEST_F(Startup, ShutDownAsksAboutUnsavedMemoriesSendsEntryZeroClosesAndSaves) {
    startOnMarkerTable();
    st().FreeMemoriesUnsaved = true;
    dialogs.answers = {false};
    EXPECT_FALSE(main().requestClose());
    EXPECT_EQ(dialogs.questions, QStringList({"Free memories unsaved : exit anyway?"}));
    EXPECT_FALSE(console->hasEnded());
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    EXPECT_TRUE(log().isEmpty());

    bool endedSignal = false;
    QObject::connect(console.get(), &Console::ended, [&] { endedSignal = true; });
    st().TremoloRate = 55;
    dialogs.answers = {true};
    EXPECT_TRUE(main().requestClose());
    EXPECT_TRUE(endedSignal);
    EXPECT_EQ(log(), QStringList({marker(0)}));
    EXPECT_FALSE(console->MIDIOutput1().isOpen());
    EXPECT_FALSE(console->MIDIInput1().isOpen());
    EXPECT_TRUE(cfg().split('\n')[5].startsWith(" 55 ")) << "saved on exit";
}

TEST_F(Startup, NothingIsWrittenAtExitWhenSavingIsOffAndTheMenuWritesAtOnce) {
    writeTable(markerTable());
    writeConfig([](ConsoleState& s) { s.SaveCfgOnExit = 0; });
    const QByteArray before = cfg();
    start();
    EXPECT_FALSE(main()(ctl::main::EnableCFG).isChecked());
    st().TremoloRate = 55;
    console->exit_Click();
    EXPECT_TRUE(console->hasEnded());
    EXPECT_EQ(cfg(), before);

    // Ticking the menu item writes the file at once.
    console.reset();
    start();
    main()(ctl::main::EnableCFG).click();
    EXPECT_TRUE(main()(ctl::main::EnableCFG).isChecked());
    EXPECT_EQ(st().SaveCfgOnExit, 1);
    EXPECT_EQ(cfg().split('\n')[20], " 1 \r");
}

TEST_F(Startup, AFatalErrorTellsThePlayerAndEndsTheProgram) {
    startOnMarkerTable();
    console->Gest_Errore_advanced();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().title, QStringLiteral("Fatal Error!"));
    EXPECT_EQ(dialogs.messages.back().icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(console->hasEnded());
}

TEST_F(Startup, AConfigurationThatCannotBeWrittenIsReportedAndTheConsoleCarriesOn) {
    startOnMarkerTable();
    st().CfgFilePath = appFile(QStringLiteral("no-such-folder/vorlo2000.CFG"));
    console->Salva_dati_di_avvio();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.contains(QStringLiteral("could not be written")));
    console->drawstops().Tir_FO_GO_Click(2);
    EXPECT_EQ(st().sent().MemFO_GO, 2);
}

TEST_F(Startup, WithoutAMidiSystemTheStartTellsItOnceAndNotEachDevice) {
    writeTable(markerTable());
    writeConfig();
    midi->stopSystem();
    start();
    ASSERT_TRUE(console->isStarted());
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    ASSERT_EQ(dialogs.problemWindows.size(), 1u);
    ASSERT_EQ(dialogs.problemWindows[0].size(), 1) << "not a problem per stored device";
    const StartupProblem& system = dialogs.problemWindows[0][0];
    EXPECT_EQ(system.subject, QStringLiteral("MIDI system"));
    EXPECT_TRUE(system.advice.startsWith(QStringLiteral("Start a JACK server or choose another "
                                                        "MIDI system")));

    // The system that comes later is found without the player.
    midi->startSystem();
    settle();
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_TRUE(console->MIDIOutput1().isOpen());
    EXPECT_TRUE(dialogs.messages.empty());
}
