#include "Memories.h"
#include "AdvancedControls.h"
#include "AdvancedWindowControls.h"
#include "ConsoleEvents.h"
#include "Division.h"
#include "Drawstops.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"

#include <utility>

using namespace vorlo;
using namespace vorlo::test;

namespace {

class MemoryBank : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([this](ConsoleState& s) { tweak(s); });
    }
    virtual void tweak(ConsoleState& s) { s.MemoryLedsShown = false; }
    Control& freeIndicator(int i) { return main()(ctl::main::C_memory, i); }
    Control& fixedIndicator(int i) { return main()(ctl::main::Graduatore, i); }
    void store(int n) {
        console->memories().toggleRec();
        console->memories().Memorie(n);
    }
};

class LedBank : public MemoryBank {
    void tweak(ConsoleState& s) override { s.MemoryLedsShown = true; }
};

// A listener beside the panel, as a status light or a recorder would be.
class Follower : public ConsoleListener {
public:
    int drawstopsMoved = 0;
    std::pair<int, MemoryLight> memory{0, MemoryLight::Unlit};
    void drawstopMoved(DivisionId, int, int, int) override { ++drawstopsMoved; }
    void freeMemoryShown(int i, MemoryLight light) override { memory = {i, light}; }
};

} // namespace

TEST_F(MemoryBank, StoreThenRecallBringsBackTheWholeRegistrationAndLightsItsIndicator) {
    console->drawstops().Tir_FO_GO_Click(4);
    console->drawstops().Tir_AN_SW_Click(9);
    console->couplers().UNPII_Click();
    st().live().MemExprSW = 88;
    store(3);
    EXPECT_TRUE(st().FreeMemoriesUnsaved);
    EXPECT_FALSE(st().RecArmed);
    EXPECT_EQ(main()(ctl::main::Rec_button).backColor(), color::ButtonFace);
    EXPECT_EQ(freeIndicator(3).backColor(), color::Green);
    EXPECT_EQ(st().slot(3).MemExprSW, 88);
    log();

    console->drawstops().cancelAll();
    log();
    console->memories().Memorie(3);
    EXPECT_EQ(st().sent().MemFO_GO, 4);
    EXPECT_EQ(st().sent().MemAN_SW, 9);
    EXPECT_EQ(st().live().MemUnPedale, 2);
    EXPECT_EQ(main()(ctl::main::UNPII).backColor(), color::Lit);
    EXPECT_EQ(st().live().MemExprSW, 88);
    const QStringList sent = log();
    EXPECT_TRUE(sent.contains(marker(44)));
    EXPECT_TRUE(sent.contains(marker(169)));
    EXPECT_EQ(sent.last(), QStringLiteral("B1 01 00")) << "both tremolos follow the recall";
    EXPECT_EQ(freeIndicator(3).backColor(), color::Green);
    EXPECT_EQ(st().LastMemory, 3);
}

TEST_F(MemoryBank, ARecallWithTheCheckBoxesClearedLeavesLevelsAndBalancesAlone) {
    st().slot(5).MemExprGO = 70;
    st().slot(5).MemBalFO_SW = 10;
    st().slot(5).MemPED = 2;
    console->form(ctl::advanced::Window)(ctl::advanced::Memory_Recall, 0).toggleCheck(false);
    console->form(ctl::advanced::Window)(ctl::advanced::Memory_Recall, 1).toggleCheck(false);
    EXPECT_EQ(st().RecallGlobals, 0);
    EXPECT_EQ(st().RecallBalance, 0);
    console->memories().Memorie(5);
    EXPECT_EQ(st().live().MemPED, 2);
    EXPECT_EQ(st().live().MemExprGO, 127);
    EXPECT_EQ(st().live().MemBalFO_SW, 127);
    // A store still writes all 28 values.
    st().live().MemExprGO = 66;
    store(6);
    EXPECT_EQ(st().slot(6).MemExprGO, 66);
}

TEST_F(MemoryBank, AChangeAfterARecallTurnsTheIndicatorYellowOnce) {
    console->memories().Memorie(3);
    EXPECT_EQ(freeIndicator(3).backColor(), color::Green);
    console->form(ctl::advanced::Window)(ctl::advanced::SliderGO).scroll(100);
    EXPECT_EQ(freeIndicator(3).backColor(), color::Yellow);
    EXPECT_FALSE(st().MemoryUnchanged);
    console->memories().Memorie(3);
    EXPECT_EQ(freeIndicator(3).backColor(), color::Green);
    console->memories().Memorie(7);
    EXPECT_EQ(freeIndicator(3).backColor(), color::ButtonFace);
    EXPECT_EQ(freeIndicator(7).backColor(), color::Green);
}

TEST_F(MemoryBank, FixedMemoriesLightTheLadderAndCannotBeStoredFromThePanel) {
    console->memories().Memorie(2);
    console->memories().Memorie(17);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(fixedIndicator(i).backColor(), i <= 5 ? color::Lit : color::ActiveBorder) << i;
    EXPECT_EQ(freeIndicator(2).backColor(), color::ButtonFace);
    EXPECT_EQ(st().LastMemory, 17);

    // REC then a fixed memory: nothing stored, REC off, ladder up to it.
    const int16_t before = st().slot(14).MemFO_GO;
    console->drawstops().Tir_FO_GO_Click(12);
    console->memories().toggleRec();
    EXPECT_EQ(main()(ctl::main::Rec_button).backColor(), color::Lit);
    console->memories().Memorie(14);
    EXPECT_FALSE(st().RecArmed);
    EXPECT_EQ(st().slot(14).MemFO_GO, before);
    EXPECT_EQ(fixedIndicator(2).backColor(), color::Lit);
    EXPECT_EQ(fixedIndicator(3).backColor(), color::ActiveBorder);
    // A drawstop switches the ladder off.
    console->drawstops().Tir_MU_GO_Click(1);
    EXPECT_EQ(fixedIndicator(1).backColor(), color::ActiveBorder);
    // Memory numbers outside 1..24 mean memory 1.
    console->memories().Memorie(40);
    EXPECT_EQ(st().LastMemory, 1);
    console->memories().Memorie(20); // numbers 13..24 reach the fixed memories
    EXPECT_EQ(fixedIndicator(8).backColor(), color::Lit);
}

TEST_F(MemoryBank, LabelModesCycleThroughNumbersAndNoteNames) {
    EXPECT_EQ(st().MemoryLabelMode, 1);
    EXPECT_EQ(freeIndicator(1).caption(), QStringLiteral("1"));
    main()(ctl::main::LabelMode).click();
    EXPECT_EQ(main()(ctl::main::LabelMode).caption(), QStringLiteral("#"));
    EXPECT_EQ(fixedIndicator(1).caption(), QStringLiteral("C"));
    EXPECT_EQ(main()(ctl::main::Numerino_Led, 13).caption(), QStringLiteral(" C"));
    EXPECT_EQ(main()(ctl::main::Numerino_Led, 2).caption(), QStringLiteral("C#"));
    EXPECT_EQ(freeIndicator(12).caption(), QStringLiteral("B"));
    main()(ctl::main::LabelMode).click();
    EXPECT_EQ(main()(ctl::main::LabelMode).caption(), QStringLiteral("0"));
    EXPECT_EQ(freeIndicator(1).caption(), QStringLiteral("0"));
    EXPECT_EQ(main()(ctl::main::Numerino_Led, 24).caption(), QStringLiteral("11"));
    main()(ctl::main::LabelMode).click();
    EXPECT_EQ(st().MemoryLabelMode, 1);
    EXPECT_EQ(freeIndicator(12).toolTip(),
              QStringLiteral(
                  "Load Free Memory N. 12 .If REC ON, push led to store stops. Hotkeys: F1..F12"));
    EXPECT_EQ(fixedIndicator(4).toolTip(),
              QStringLiteral("Load Fixed Memory N. 4.  Hotkeys: 1...9, = , ? , ^"));
}

TEST_F(LedBank, TheLedDisplayUsesPicturesAndSwitchingDisplaysLeavesEverythingDark) {
    console->memories().Memorie(4);
    EXPECT_EQ(main()(ctl::main::LedFree, 4).picture(), st().PicGreenOn);
    console->form(ctl::advanced::Window)(ctl::advanced::SliderFondi, 1).scroll(90);
    EXPECT_EQ(main()(ctl::main::LedFree, 4).picture(), st().PicYellowOn);
    console->memories().Memorie(15);
    EXPECT_EQ(main()(ctl::main::LedFix, 3).picture(), st().PicRedOn);
    EXPECT_EQ(main()(ctl::main::LedFix, 4).picture(), st().PicRedOff);
    main()(ctl::main::DisplayLeds).click();
    EXPECT_FALSE(st().MemoryLedsShown);
    for (int i = 1; i <= 12; ++i) {
        EXPECT_EQ(freeIndicator(i).backColor(), color::ButtonFace);
        EXPECT_EQ(fixedIndicator(i).backColor(), color::ButtonFace);
    }
}

TEST_F(MemoryBank, LoadingCurrentMemoriesAsFixedAsksThenCopiesAndSaves) {
    st().slot(2).MemFO_SW = 21;
    dialogs.answers = {false};
    main()(ctl::main::SaveFIXED).click();
    EXPECT_NE(st().slot(14).MemFO_SW, 21);
    dialogs.answers = {true};
    main()(ctl::main::SaveFIXED).click();
    EXPECT_EQ(st().slot(14).MemFO_SW, 21);
    EXPECT_TRUE(dialogs.messageTexts().contains(QStringLiteral("FIXED MEMORY OVERWRITTEN!")));
    EXPECT_FALSE(st().CopyFreeToFixed);
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(MemoryBank, EveryListenerFollowsTheConsoleAndAnnouncingChangesNothing) {
    Follower follower;
    console->events().add(follower);
    console->memories().Memorie(3);
    const int moved = follower.drawstopsMoved;
    console->drawstops().Tir_FO_GO_Click(4);
    EXPECT_EQ(follower.drawstopsMoved, moved + 1);
    EXPECT_EQ(freeIndicator(3).backColor(), color::Yellow);
    EXPECT_EQ(follower.memory, std::pair(3, MemoryLight::Changed));

    // Told again, no listener changes the console: the recalled memory stays unchanged.
    console->memories().Memorie(3);
    EXPECT_EQ(follower.memory, std::pair(3, MemoryLight::Lit));
    const int16_t sent = st().sent().MemFO_GO;
    console->events().registrationChanged();
    console->events().drawstopMoved(DivisionId::Great, 0, 4, 5);
    EXPECT_TRUE(st().MemoryUnchanged);
    EXPECT_EQ(st().sent().MemFO_GO, sent);
    EXPECT_EQ(freeIndicator(3).backColor(), color::Green);
    console->events().remove(follower);
}
