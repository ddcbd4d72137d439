#include "AdvancedWindowControls.h"
#include "CommandExecutor.h"
#include "MainWindowControls.h"
#include "SetupWindowControls.h"
#include "ThruWindowControls.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

const QStringList kPanic{"B0 7B 00", "B0 7B 00", "B1 7B 00", "B1 7B 00", "B2 7B 00", "B2 7B 00"};

class Playing : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([this](ConsoleState& s) { tweak(s); });
    }
    virtual void tweak(ConsoleState&) {}
    Control& adv(const ControlId& id) { return console->form(ctl::advanced::Window)(id); }
    Control& adv(const ControlArrayId& id, int index) {
        return console->form(ctl::advanced::Window)(id, index);
    }
};

} // namespace

TEST_F(Playing, NormalRechannellingSendsEveryKeyboardToTheChosenBody) {
    st().ThruMode = 1;
    main()(ctl::main::THRUBUTTON).click(); // Great -> Swell
    EXPECT_EQ(st().live().MemThru, 2);
    EXPECT_EQ(main()(ctl::main::THRUBUTTON).caption(), QStringLiteral("Swell"));
    EXPECT_EQ(keys1({{0x98, 60, 100}, {0x88, 60, 0}, {0xE8, 0, 64}}),
              QStringList({"91 3C 64", "81 3C 00"}))
        << "the bend lands on the Swell channel, in its centre band: consumed";
    // A program change keeps its channel and is still a command: key 30 + 36 = free memory 7.
    keys1({{0xC8, 30}});
    EXPECT_EQ(st().LastMemory, 7);
    EXPECT_EQ(main()(ctl::main::THRUBUTTON).caption(), QStringLiteral("Great"))
        << "the memory brought its body back";
    for (const char* body : {"Swell", "Pedal", "Great"}) {
        main()(ctl::main::THRUBUTTON).click();
        EXPECT_EQ(main()(ctl::main::THRUBUTTON).caption(), QString::fromLatin1(body));
    }
}

TEST_F(Playing, FixedRechannellingUsesTheLearnedTableFirstMatchWinning) {
    st().ThruMode = 2;
    st().ThruCustom = {4, 4, 9, 0};
    EXPECT_EQ(keys1({{0x94, 60, 100}, {0x99, 40, 100}, {0x93, 50, 100}}),
              QStringList({"90 3C 64", "92 28 64", "93 32 64"}));
}

TEST_F(Playing, LearningSetsTheClickedBodysChannelFromTheNextNoteOn) {
    main()(ctl::main::MidiTHRU).click();
    Form& thru = console->form(ctl::thru::Window);
    EXPECT_TRUE(thru.isVisible());
    thru(ctl::thru::Thru_choose, 2).selectOption();
    EXPECT_EQ(thru(ctl::thru::Custom_Thru_label, 0).caption(), QStringLiteral("channel = 2"));
    EXPECT_EQ(thru(ctl::thru::Custom_Thru_label, 1).caption(), QStringLiteral("channel = 1"));
    EXPECT_EQ(thru(ctl::thru::Custom_Thru_label, 2).caption(), QStringLiteral("channel = 4"));
    thru(ctl::thru::Custom_Thru_label, 1).click();
    EXPECT_EQ(thru(ctl::thru::Custom_Thru_label, 1).backColor(), color::Lit);
    EXPECT_EQ(keys1({{0x96, 60, 100}}), QStringList({"91 3C 64"})) << "learned and still played";
    EXPECT_EQ(thru(ctl::thru::Custom_Thru_label, 1).caption(), QStringLiteral("Channel = 7"));
    thru(ctl::thru::Command1).click();
    EXPECT_FALSE(thru.isVisible());
    EXPECT_FALSE(st().LearnActive);
    EXPECT_EQ(keys1({{0x96, 62, 100}, {0x91, 62, 100}}), QStringList({"91 3E 64", "90 3E 64"}))
        << "after the window closed: channel 7 is the Swell; channel 2 the Great";

    // Opening again shows the learned channels; CANCEL brings the previous mode back.
    main()(ctl::main::MidiTHRU).click();
    EXPECT_EQ(thru(ctl::thru::Custom_Thru_label, 1).caption(), QStringLiteral("channel = 7"));
    thru(ctl::thru::Thru_choose, 1).selectOption();
    EXPECT_EQ(st().ThruMode, 1);
    EXPECT_FALSE(main()(ctl::main::THRUBUTTON).isVisible())
        << "the panel changes only when confirmed";
    thru(ctl::thru::Command2).click();
    EXPECT_EQ(st().ThruMode, 2);
    EXPECT_FALSE(main()(ctl::main::THRUBUTTON).isVisible());

    // OK keeps the choice and shows the body button; choosing a mode sends nothing.
    main()(ctl::main::MidiTHRU).click();
    thru(ctl::thru::Thru_choose, 1).selectOption();
    thru(ctl::thru::Command1).click();
    EXPECT_EQ(st().ThruMode, 1);
    EXPECT_TRUE(main()(ctl::main::THRUBUTTON).isVisible());
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Playing, SustainGesturesArmTheSwitchEventForCommands) {
    EXPECT_EQ(keys1({{0xB0, 64, 127}, {0xB0, 64, 0}}), kPanic) << "press and release";
    keys1({{0xB0, 64, 127}, {0x90, 64, 100}});
    EXPECT_EQ(st().LastMemory, 5);
    EXPECT_FALSE(st().SwitchEventArmed);
    EXPECT_TRUE(keys1({{0xB0, 64, 0}}).isEmpty()) << "no panic after a memory key";

    const QStringList sent =
        keys1({{0xB1, 64, 127}, {0x91, 41, 90}, {0x91, 39, 90}, {0x91, 39, 90}, {0xB1, 64, 0}});
    EXPECT_EQ(st().RecallTarget, 11);
    EXPECT_EQ(st().sent().MemFO_GO, 2);
    EXPECT_EQ(sent.mid(sent.size() - 6), kPanic);
    EXPECT_TRUE(sent.contains(marker(41)));
    EXPECT_TRUE(sent.contains(marker(42)));
}

TEST_F(Playing, ProgramChangesAreCommandsWithoutASustainGesture) {
    keys2({{0xC1, 30}});
    EXPECT_EQ(st().LastMemory, 7);
    keys2({{0xC1, 40}});
    EXPECT_EQ(st().LastMemory, 17) << "key 76 recalls fixed memory 5";
    EXPECT_EQ(main()(ctl::main::Graduatore, 5).backColor(), color::Lit);
    // Program 0 is key 36, a step key: the switch event stays armed, so the next key is a
    // command too (key 42: target Swell Fondi).
    keys2({{0xC1, 0}});
    EXPECT_TRUE(st().SwitchEventArmed);
    EXPECT_TRUE(keys2({{0x91, 42, 100}}).isEmpty());
    EXPECT_EQ(st().RecallTarget, 21);
    // While armed, a velocity-0 note-on is still a release and gets its copies.
    console->couplers().UN_SWGO_Click();
    EXPECT_EQ(keys2({{0x91, 50, 0}}), QStringList({"91 32 00", "90 32 00"}));
    // A modulation wheel while armed is key 1: outside the map, a panic that ends the command.
    EXPECT_EQ(keys2({{0xB1, 1, 40}}), kPanic);
    EXPECT_FALSE(st().SwitchEventArmed);
}

TEST_F(Playing, ExpressionPedalsSetTheDivisionLevelsThroughTheSliders) {
    // The pedal's 0..127 spans the levels 61..127: 0 gives 61, 64 gives 97, 127 the top.
    EXPECT_EQ(keys1({{0xB2, 11, 0}}), QStringList({"B2 0B 3D"}));
    EXPECT_EQ(adv(ctl::advanced::SliderPE).value(), 61);
    EXPECT_TRUE(keys1({{0xB2, 7, 0}}).isEmpty()) << "same level: nothing sent";
    EXPECT_EQ(keys1({{0xB2, 7, 1}}), QStringList({"B2 0B 40"}));
    EXPECT_EQ(keys1({{0xB1, 1, 64}}), QStringList({"B1 0B 61"})) << "no coupling";
    EXPECT_EQ(st().live().MemExprSW, 97);

    adv(ctl::advanced::OptionGlobalCoupling, 1).selectOption();
    EXPECT_EQ(keys1({{0xB0, 11, 0}}), QStringList({"B1 0B 3D", "B0 0B 3D", "B0 0B 3D", "B1 0B 3D"}))
        << "input 1: Great handler, then Swell handler";
    EXPECT_EQ(keys2({{0xB0, 11, 127}}),
              QStringList({"B1 0B 7F", "B0 0B 7F", "B0 0B 7F", "B1 0B 7F"}));

    adv(ctl::advanced::OptionGlobalCoupling, 2).selectOption();
    const QStringList all = keys1({{0xB1, 11, 64}});
    EXPECT_EQ(all.size(), 9) << "Pedal, Great and Swell handlers each send all three";
    EXPECT_EQ(all.last(), QStringLiteral("B1 0B 61"));
    EXPECT_EQ(st().live().MemExprPE, 97);
    EXPECT_EQ(keys2({{0xB0, 11, 0}}), QStringList({"B1 0B 3D", "B2 0B 3D", "B0 0B 3D"}))
        << "input 2 runs only its channel's handler, whose own coupling moves the others";
}

TEST_F(Playing, PitchBendSwitchesFireOncePerExcursion) {
    keys1({{0xE0, 0, 78}});
    EXPECT_EQ(st().live().MemTremGO, 1);
    keys1({{0xE0, 0, 80}, {0xE0, 0, 76}, {0xE0, 0, 48}});
    EXPECT_EQ(st().live().MemTremGO, 1);
    EXPECT_EQ(st().live().MemTremSW, 0);
    keys1({{0xE0, 0, 64}, {0xE0, 0, 48}});
    EXPECT_EQ(st().live().MemTremSW, 1) << "input 1: wheel down is the Swell tremolo";
    keys1({{0xE0, 0, 64}, {0xE2, 0, 79}});
    EXPECT_EQ(st().live().MemUnPedale, 1) << "Pedal channel: up is I - P";
    // Input 2: up switches its own division's tremolo, down does nothing.
    keys2({{0xE1, 0, 64}, {0xE1, 0, 77}});
    EXPECT_EQ(st().live().MemTremSW, 0);
    keys2({{0xE1, 0, 64}, {0xE1, 0, 46}});
    EXPECT_EQ(st().live().MemTremSW, 0);
    EXPECT_EQ(st().live().MemTremGO, 1);
    EXPECT_TRUE(st().BendLatch);
}

TEST_F(Playing, CouplersChainAndTheSubOctaveStaysOnTheKeyboard) {
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    EXPECT_EQ(keys1({{0x92, 36, 80}}), QStringList({"92 24 50", "90 24 50", "91 24 50"}));
    keys1({{0x82, 36, 0}});
    console->couplers().UNPII_Click();
    console->couplers().UN_SWGO_Click();
    EXPECT_EQ(keys1({{0x92, 38, 80}}), QStringList({"92 26 50", "91 26 50", "90 26 50"}));
    keys1({{0x82, 38, 0}});
    console->couplers().UNPII_Click();
    console->couplers().UN_SWGO_Click();
    console->couplers().Subottava_Click();
    log();
    EXPECT_EQ(keys1({{0x92, 24, 80}, {0x92, 10, 80}}),
              QStringList({"92 18 50", "92 0C 50", "92 0A 50"}))
        << "no sub-octave below key 12";
    EXPECT_EQ(keys1({{0x90, 60, 80}}), QStringList({"90 3C 50"})) << "manual notes are not copied";
}

TEST_F(Playing, AReleaseSilencesExactlyWhatItsPressSounded) {
    console->couplers().UNPI_Click();
    console->couplers().Subottava_Click();
    log();
    EXPECT_EQ(keys1({{0x92, 40, 90}}), QStringList({"92 28 5A", "90 28 5A", "92 1C 5A"}));
    // The organist changes couplers while holding the key.
    console->couplers().UNPII_Click();
    console->couplers().Subottava_Click();
    EXPECT_EQ(keys1({{0x82, 40, 0}}), QStringList({"82 28 00", "80 28 00", "82 1C 00"}));
    // A key pressed with no coupler gets no coupled note-off after a coupler is switched on.
    console->couplers().UNPII_Click();
    keys1({{0x92, 41, 90}});
    console->couplers().UNPII_Click();
    EXPECT_EQ(keys1({{0x92, 41, 0}}), QStringList({"92 29 00"}));
    // A key struck twice while held is released on every channel either press sounded.
    keys1({{0x92, 43, 90}});
    console->couplers().UNPI_Click();
    keys1({{0x92, 43, 90}});
    console->couplers().UNPI_Click();
    EXPECT_EQ(keys1({{0x82, 43, 0}}), QStringList({"82 2B 00", "81 2B 00", "80 2B 00"}));
}

TEST_F(Playing, AVanishedKeyboardReleasesItsOwnNotesAndCopiesAsTheyWereStruck) {
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    keys1({{0x92, 36, 80}, {0x90, 60, 80}, {0x94, 64, 80}});
    keys2({{0x91, 69, 80}, {0x90, 60, 80}});
    // The couplers change while the keys are held; a last note is still queued when it goes.
    console->couplers().UNPII_Click();
    console->couplers().UN_GOSW_Click();
    log();
    play(kKeyboard1, {0x90, 62, 80});
    QStringList sentWhenTold;
    notices.onNotice = [&](const QString&) { sentWhenTold = log(); };
    midi->removeDevice(QString::fromLatin1(kKeyboard1));
    settle();
    EXPECT_EQ(notices.take().first(),
              QStringLiteral("The MIDI input device \"Keyboard 1\" is no longer available"));
    EXPECT_TRUE(dialogs.messages.empty()) << "a vanished keyboard asks nothing";
    EXPECT_EQ(sentWhenTold, QStringList({"90 3E 50", // queued
                                         "80 3E 00", // its release
                                         "82 24 00", "80 24 00", "81 24 00", "82 18 00", // Pedal
                                         "84 40 00"}))
        << "keyboard 2's Swell note and the Great key it holds too keep sounding";
    EXPECT_EQ(keys2({{0x80, 60, 0}, {0x81, 69, 0}}),
              QStringList({"80 3C 00", "81 3C 00", "81 45 00"}))
        << "keyboard 2 still releases the Great key with the copy both presses sounded";
}

TEST_F(Playing, AnEndRequestStopsTheDrainOfAFloodOfResets) {
    // Thirty program changes that press RESET (key 19 + 36 = 55); the end is asked for (a
    // signal) during the first reset's wait.
    console->waiter().longestWaitMs = 0;
    console->waiter().observer = [&](int) { console->requestEnd(); };
    for (int i = 0; i < 30; ++i)
        play(kKeyboard1, {0xC0, 19});
    settle();
    EXPECT_EQ(console->MIDIInput1().queuedCount(), 29)
        << "the reset under way finishes; the rest of the flood is left to the end";
    EXPECT_EQ(log().filter(marker(0)).size(), 1);
}

TEST_F(Playing, PortsClosedBySetupReleaseTheirKeyboardsNotesOnceOnly) {
    console->couplers().UNPI_Click();
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    keys1({{0x92, 36, 80}, {0x90, 60, 80}});
    keys2({{0x90, 60, 80}, {0x91, 69, 80}});
    log();
    Form& setup = form(forms::Setup);
    main()(ctl::main::SetMidi).click(); // closes the ports while the player chooses
    EXPECT_EQ(log(), QStringList({"82 24 00", "80 24 00", "81 24 00", "82 18 00", // keyboard 1
                                  "80 3C 00", "81 3C 00", "81 45 00"}))           // keyboard 2
        << "the Great key both hold is released once, by the second port";
    setup(ctl::setup::Command1).click(); // the same devices again
    log();
    keys2({{0x90, 60, 80}});
    EXPECT_EQ(keys1({{0x80, 60, 0}, {0x82, 36, 0}}), QStringList())
        << "keyboard 1 lets go of keys already released: keyboard 2's new note keeps sounding";
    EXPECT_EQ(keys2({{0x80, 60, 0}}), QStringList({"80 3C 00"}));

    // Another device chosen for input 1.
    midi->setInputDevices({QString::fromLatin1(kKeyboard1), QString::fromLatin1(kKeyboard2),
                           QStringLiteral("Pedalboard")});
    console->couplers().UN_GOSW_Click();
    keys1({{0x90, 64, 80}});
    log();
    main()(ctl::main::SetMidi).click();
    EXPECT_EQ(log(), QStringList({"80 40 00", "81 40 00"}));
    setup(ctl::setup::InputDev1Combo).chooseListIndex(2);
    setup(ctl::setup::Command1).click();
    log();
    play("Pedalboard", {0x90, 64, 80});
    play("Pedalboard", {0x80, 64, 0});
    play(kKeyboard1, {0x80, 64, 0}); // input 1 no longer listens to it
    settle();
    EXPECT_EQ(log(), QStringList({"90 40 50", "80 40 00"}));
}

TEST_F(Playing, TotalRecallStepsStayWithinTheGroupAndListsWithinTheirEntries) {
    console->drawstops().Tir_FO_GO_Click(25);
    console->commands().execute(ConsoleCommand::switchEventKey(40));
    EXPECT_EQ(st().live().MemFO_GO, 25);
    for (int i = 0; i < 5; ++i)
        console->commands().execute(ConsoleCommand::switchEventKey(39));
    EXPECT_EQ(st().live().MemFO_GO, 29);

    console->commands().execute(ConsoleCommand::switchEventKey(47));
    console->drawstops().NomePedale_Click(3);
    console->commands().execute(ConsoleCommand::switchEventKey(36));
    EXPECT_EQ(st().live().MemPED, 3);
    console->commands().execute(ConsoleCommand::switchEventKey(38));
    EXPECT_EQ(st().live().MemPED, 14);
    console->commands().execute(ConsoleCommand::switchEventKey(42));
    console->commands().execute(ConsoleCommand::switchEventKey(37));
    EXPECT_EQ(st().live().MemFO_SW, 0) << "Swell Fondi at 0 cannot go down";
    EXPECT_EQ(st().RecallTarget, 21);

    // The last temperament stays selected and is sent again.
    Control& temperaments = adv(ctl::advanced::Temperamenti);
    ASSERT_GT(temperaments.items().size(), 0);
    temperaments.chooseListIndex(static_cast<int>(temperaments.items().size()) - 1);
    log();
    st().SwitchEventArmed = true;
    console->commands().execute(ConsoleCommand::switchEventKey(90));
    EXPECT_EQ(temperaments.listIndex(), temperaments.items().size() - 1);
    EXPECT_EQ(log().size(), 32);
    EXPECT_TRUE(st().SwitchEventArmed);
    console->commands().execute(ConsoleCommand::switchEventKey(93));
    console->commands().execute(ConsoleCommand::switchEventKey(93));
    EXPECT_EQ(adv(ctl::advanced::Riverberi).listIndex(), 0);
    EXPECT_EQ(log(), QStringList({marker(22), marker(22)})) << "the first reverb, sent again";

    for (int key : {59, 88, 95, 20}) {
        st().SwitchEventArmed = true;
        console->commands().execute(ConsoleCommand::switchEventKey(key));
        EXPECT_EQ(log(), kPanic) << key;
        EXPECT_FALSE(st().SwitchEventArmed);
    }
    st().SwitchEventArmed = true;
    console->commands().execute(ConsoleCommand::switchEventKey(84));
    EXPECT_EQ(st().live().MemAnnullGO[1], 0);
    EXPECT_TRUE(st().SwitchEventArmed) << "cancel keys leave the command open";
}
