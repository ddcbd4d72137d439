#include "AdvancedWindowControls.h"
#include "Buffers.h"
#include "Drawstops.h"
#include "MainWindowControls.h"
#include "Memories.h"
#include "support/ConsoleFixture.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class RegistrationButtons : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) { s.GraphicMode = false; });
    }
};

} // namespace

TEST_F(RegistrationButtons, CancelAllPutsEveryGroupToCancelButKeepsLevelsBalancesAndThru) {
    console->memories().Memorie(2);
    console->drawstops().Tir_FO_GO_Click(3);
    console->drawstops().Tir_MU_SW_Click(4);
    console->drawstops().Button_Annullatori_go_Click(1);
    console->couplers().UN_GOSW_Click();
    console->couplers().Subottava_Click();
    main()(ctl::main::Tir_TREMOLOGO).click();
    st().live().MemExprPE = 80;
    st().live().MemThru = 3;
    log();
    console->drawstops().cancelAll();
    for (SlotField f : {SlotField::MemFO_GO, SlotField::MemMU_SW, SlotField::MemTremGO,
                        SlotField::MemUnManuali, SlotField::MemSubottava})
        EXPECT_EQ(st().sent()[f], 0);
    EXPECT_EQ(st().sent().MemAnnullGO[1], 1);
    EXPECT_EQ(st().live().MemExprPE, 80);
    EXPECT_EQ(st().live().MemThru, 3);
    EXPECT_EQ(main()(ctl::main::UN_GOSW).backColor(), color::Unlit);
    EXPECT_EQ(main()(ctl::main::Subottava).backColor(), color::Unlit);
    EXPECT_EQ(main()(ctl::main::CancelALL).backColor(), color::ButtonFace);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(main()(ctl::main::C_memory, i).backColor(), color::ActiveBorder);
    const QStringList sent = log();
    EXPECT_TRUE(sent.contains(marker(40)));
    EXPECT_TRUE(sent.contains(marker(120)));
}

TEST_F(RegistrationButtons, CouplersDecideFromTheStateInForceAndExcludeEachOther) {
    console->couplers().UNPI_Click();
    EXPECT_EQ(st().live().MemUnPedale, 1);
    EXPECT_EQ(main()(ctl::main::UNPI).backColor(), color::Lit);
    console->couplers().UNPII_Click();
    EXPECT_EQ(st().live().MemUnPedale, 2);
    EXPECT_EQ(main()(ctl::main::UNPI).backColor(), color::Unlit);
    EXPECT_EQ(main()(ctl::main::UNPII).backColor(), color::Lit);
    console->couplers().UNPII_Click();
    EXPECT_EQ(st().live().MemUnPedale, 0);
    EXPECT_EQ(main()(ctl::main::UNPII).backColor(), color::Unlit);
    // A damaged value counts as no coupler.
    st().sent().MemUnPedale = 5;
    console->couplers().UNPI_Click();
    EXPECT_EQ(st().live().MemUnPedale, 1);
    console->couplers().UN_SWGO_Click();
    EXPECT_EQ(st().sent().MemUnManuali, 2);
    EXPECT_TRUE(log().isEmpty()) << "couplers send nothing";
}

TEST_F(RegistrationButtons, TremoloButtonsToggleFromTheStateInForce) {
    main()(ctl::main::Tir_TREMOLOGO).click();
    main()(ctl::main::Tir_TREMOLOGO).click();
    EXPECT_EQ(log(), QStringList({"B0 01 64", "B0 01 00"}));
    main()(ctl::main::TIR_TREMOLOSW).click();
    EXPECT_EQ(main()(ctl::main::TIR_TREMOLOSW).backColor(), color::Lit);
    // A new rate reaches a tremolo that is on, and the other one is sent off again.
    console->form(ctl::advanced::Window)(ctl::advanced::SliderTremoloRate).scroll(40);
    EXPECT_EQ(console->form(ctl::advanced::Window)(ctl::advanced::Valore).caption(),
              QStringLiteral("40"));
    EXPECT_EQ(log(), QStringList({"B1 01 64", "B0 01 00", "B1 01 28"}));
}

TEST_F(RegistrationButtons, BuffersStoreAfterTheMessageAndLoadOnlyOnceAStoreWasMade) {
    console->buffers().loadBuffer(0);
    EXPECT_EQ(
        dialogs.messageTexts().last(),
        QStringLiteral("NO buffered stops available! To load it, push T1 or T2 buffer memories"));
    // The player changes the console while reading the store message.
    dialogs.whileShown = [this](const QString& text) {
        if (text.startsWith(QStringLiteral("Actual Stops")))
            st().live().MemFO_SW = 11;
    };
    console->drawstops().Tir_FO_GO_Click(6);
    st().live().MemExprGO = 99;
    console->buffers().storeBuffer(0);
    EXPECT_EQ(dialogs.messageTexts().last(),
              QStringLiteral("Actual Stops is now copied on Temporary Buffer 1"));
    EXPECT_EQ(st().slot(SlotBuffer1).MemFO_SW, 11);
    EXPECT_EQ(main()(ctl::main::TempMemButton, 0).backColor(), color::Lit);
    dialogs.whileShown = {};

    console->form(ctl::advanced::Window)(ctl::advanced::Memory_Recall, 0).toggleCheck(false);
    console->drawstops().cancelAll();
    console->buffers().loadBuffer(0);
    EXPECT_EQ(st().sent().MemFO_GO, 6);
    EXPECT_EQ(st().sent().MemExprGO, 99) << "a buffer brings everything back";

    // Buffer 2 was never written: its all-zero state is loaded.
    console->buffers().loadBuffer(1);
    EXPECT_EQ(st().sent().MemFO_GO, 0);
    EXPECT_EQ(st().sent().MemBalAN_GO, 0);
    EXPECT_EQ(st().sent().MemAnnullGO[2], 0);
    EXPECT_EQ(st().sent().MemExprGO, 60) << "the level slider cannot go below 60";
}

TEST_F(RegistrationButtons, ClearAsksOnlyWithUnsavedMemoriesAndLeavesLiveStateAndBuffers) {
    console->drawstops().Tir_FO_GO_Click(6);
    console->memories().toggleRec();
    console->memories().Memorie(9);
    console->buffers().storeBuffer(1);
    log();
    dialogs.answers = {false};
    console->buffers().clearFreeMemories();
    EXPECT_EQ(st().slot(9).MemFO_GO, 6) << "declined";
    dialogs.answers = {true};
    console->buffers().clearFreeMemories();
    EXPECT_EQ(st().slot(9).MemFO_GO, 0);
    EXPECT_EQ(st().slot(9).MemExprGO, 127);
    EXPECT_EQ(st().slot(9).MemThru, 1);
    EXPECT_FALSE(st().FreeMemoriesUnsaved);
    EXPECT_EQ(st().live().MemFO_GO, 6);
    EXPECT_EQ(st().slot(SlotBuffer2).MemFO_GO, 6);
    EXPECT_EQ(main()(ctl::main::C_memory, 9).backColor(), color::ButtonFace);
    const int questions = dialogs.questions.size();
    console->buffers().clearFreeMemories();
    EXPECT_EQ(dialogs.questions.size(), questions) << "nothing unsaved: no question";
    EXPECT_TRUE(log().isEmpty()) << "clearing the memories sends nothing";
}
