#include "ConsoleUpdate.h"
#include "AdvancedControls.h"
#include "AdvancedWindowControls.h"
#include "ConsoleReset.h"
#include "Drawstops.h"
#include "MainWindowControls.h"
#include "Memories.h"
#include "support/ConsoleFixture.h"

#include <QTimer>

using namespace vorlo;
using namespace vorlo::test;

namespace {

class Update : public ConsoleFixture {
protected:
    void SetUp() override {
        StopTable t = markerTable();
        t.set(StopTable::kReinforceAncie + 4, "1"); // Ancie/Archi stop 4 takes reinforcement
        t.set(StopTable::kReinforceFondi + 9, "1");
        writeTable(t);
        writeConfig([this](ConsoleState& s) { tweak(s); });
        start();
    }
    virtual void tweak(ConsoleState&) {}
    QStringList temps(std::initializer_list<int> parts) {
        QStringList out;
        for (int p : parts)
            out << temp(p);
        return out;
    }
};

class StandardPanelUpdate : public Update {
    void tweak(ConsoleState& s) override { s.GraphicMode = false; }
};

} // namespace

TEST_F(Update, DrawingAFondiStopSendsItsEntryReinforcementTemperamentsAndTheManualsFollowUps) {
    // The drawn Great Ancie stop is flagged for reinforcement.
    console->drawstops().Tir_AN_GO_Click(4);
    log();
    console->drawstops().Tir_FO_GO_Click(3);
    QStringList expected{marker(43), marker(30)};
    expected << temps({1, 2, 3, 4, 5}) << "B0 07 00"
             << "B0 0B 7F"
             << "B0 01 00";
    EXPECT_EQ(log(), expected);

    // Drawing it again sends nothing.
    console->drawstops().Tir_FO_GO_Click(3);
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Update, MutazioniPedaleAndPositionZeroSendWhatTheirGroupNeeds) {
    console->drawstops().Tir_MU_SW_Click(7);
    QStringList expected{marker(127)};
    expected << temps({27, 28, 29}) << "B1 08 00"
             << "B1 0B 7F"
             << "B1 01 00";
    EXPECT_EQ(log(), expected) << "no reinforcement for Mutazioni";

    console->drawstops().NomePedale_Click(5);
    expected = QStringList{marker(185)};
    expected << temps({14, 15, 16, 30, 31, 32}) << "B2 0B 7F";
    EXPECT_EQ(log(), expected) << "no balance and no tremolo on the Pedal";

    console->drawstops().Tir_MU_SW_Click(0);
    expected = QStringList{marker(120)};
    expected << temps({27, 28, 29}) << "B1 08 00"
             << "B1 0B 7F"
             << "B1 01 00";
    EXPECT_EQ(log(), expected) << "the cancel position is sent like any other";
}

TEST_F(Update, ChangedFollowUpsUseTheLiveValuesAndOnlyWhatDiffersIsSent) {
    st().live().MemBalMU_GO = 100;
    st().live().MemTremSW = 1;
    st().TremoloRate = 90;
    console->AGGIORNAMENTO_VORLO();
    EXPECT_EQ(log(), QStringList({"B1 01 5A", "B0 08 1B"})) << "in the order of the group steps";
    EXPECT_EQ(console->form(ctl::advanced::Window)(ctl::advanced::SliderMutazioni, 1).value(), 100);
    EXPECT_EQ(console->form(ctl::advanced::Window)(ctl::advanced::EXPmutazioni, 1).caption(),
              QStringLiteral("100"));
    EXPECT_EQ(main()(ctl::main::TIR_TREMOLOSW).backColor(), color::Lit);
    console->AGGIORNAMENTO_VORLO();
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(Update, CancelsMuteAndRestoreOnlyWhileTheirFamilyHasAStop) {
    Control& goAncie = main()(ctl::main::Button_Annullatori_go, 2);
    console->drawstops().Button_Annullatori_go_Click(2);
    EXPECT_TRUE(log().isEmpty()) << "nothing drawn: only the button changes";
    EXPECT_EQ(goAncie.caption(), QStringLiteral("Go Restore"));
    EXPECT_EQ(goAncie.backColor(), color::Lit);
    console->drawstops().Button_Annullatori_go_Click(2);
    EXPECT_EQ(goAncie.caption(), QStringLiteral("Go Mute"));
    EXPECT_EQ(goAncie.backColor(), color::Unlit);
    EXPECT_TRUE(log().isEmpty());

    console->drawstops().Tir_MU_SW_Click(2);
    log();
    Control& swMutaz = main()(ctl::main::Button_Annullatori_sw, 1);
    console->drawstops().Button_Annullatori_sw_Click(1);
    EXPECT_EQ(log(), QStringList({marker(418)}));
    EXPECT_EQ(swMutaz.caption(), QStringLiteral("Sw Restore"));
    // A new stop while muted is drawn; the mute is not sent again.
    console->drawstops().Tir_MU_SW_Click(3);
    EXPECT_EQ(log().first(), marker(123));
    EXPECT_EQ(st().sent().MemAnnullSW[1], 0);
    console->drawstops().Button_Annullatori_sw_Click(1);
    EXPECT_EQ(log(), QStringList({marker(421)}));
    EXPECT_EQ(swMutaz.caption(), QStringLiteral("Sw Mute"));
}

TEST_F(Update, ARecallThatChangesTwoGreatGroupsSendsTheReinforcementTwice) {
    st().slot(4).MemFO_GO = 9; // flagged Fondi stop
    st().slot(4).MemAN_GO = 2;
    console->memories().Memorie(4);
    const QStringList sent = log();
    EXPECT_EQ(sent.count(marker(30)), 2);
    EXPECT_LT(sent.indexOf(marker(49)), sent.indexOf(marker(142)));
    EXPECT_EQ(sent.indexOf(marker(30)), sent.indexOf(marker(49)) + 1);
}

TEST_F(Update, APositionOutsideItsRangeIsNotSentButTheRestGoesOn) {
    st().live().MemFO_GO = 45;
    st().live().MemPED = -3;
    console->AGGIORNAMENTO_VORLO();
    const QStringList sent = log();
    for (const QString& m : sent)
        EXPECT_FALSE(m.startsWith(QStringLiteral("F0 41 10 42 12 40 00 55")))
            << "entry 85 must not be sent";
    EXPECT_TRUE(sent.contains(marker(31))) << "reinforcement still decided";
    EXPECT_TRUE(sent.contains(QStringLiteral("B0 07 00")));
    EXPECT_TRUE(sent.contains(QStringLiteral("B2 0B 7F")));
    EXPECT_EQ(st().sent().MemFO_GO, 45);
    EXPECT_FALSE(console->hasEnded());
}

TEST_F(StandardPanelUpdate, IndicatorsFollowAndASharedFondiNameStaysLitForTheOtherManual) {
    console->drawstops().Tir_FO_SW_Click(5);
    console->drawstops().Tir_FO_GO_Click(5);
    EXPECT_EQ(main()(ctl::main::Tir_FO_GO, 5).caption(), st().GreatTitle);
    EXPECT_EQ(main()(ctl::main::Tir_FO_SW, 5).caption(), st().SwellTitle);
    EXPECT_EQ(main()(ctl::main::NomeFondi, 5).backColor(), color::Lit);
    console->drawstops().Tir_FO_GO_Click(8);
    EXPECT_EQ(main()(ctl::main::Tir_FO_GO, 5).caption(), QStringLiteral(" "));
    EXPECT_EQ(main()(ctl::main::Tir_FO_GO, 8).caption(), st().GreatTitle);
    EXPECT_EQ(main()(ctl::main::NomeFondi, 5).backColor(), color::Lit)
        << "still drawn on the Swell";
    EXPECT_EQ(main()(ctl::main::NomeFondi, 8).backColor(), color::Lit);
    console->drawstops().Tir_FO_SW_Click(0);
    EXPECT_EQ(main()(ctl::main::NomeFondi, 5).backColor(), color::Unlit);
    console->drawstops().NomePedale_Click(4);
    console->drawstops().NomePedale_Click(6);
    EXPECT_EQ(main()(ctl::main::NomePedale, 4).backColor(), color::Unlit);
    EXPECT_EQ(main()(ctl::main::NomePedale, 6).backColor(), color::Lit);
}

TEST_F(Update, TheGraphicPanelSwapsKnobPicturesOfTheRightManual) {
    ASSERT_TRUE(st().GraphicMode);
    st().PicDrawOnSW = QStringLiteral("sw-on");
    st().PicDrawOffSW = QStringLiteral("sw-off");
    st().PicDrawOn = QStringLiteral("ped-on");
    st().PicDrawOff = QStringLiteral("ped-off");
    console->drawstops().Tir_AN_SW_Click(3);
    console->drawstops().Tir_AN_SW_Click(11);
    EXPECT_EQ(main()(ctl::main::Tir_AN_SW_graph, 3).picture(), QStringLiteral("sw-off"));
    EXPECT_EQ(main()(ctl::main::Tir_AN_SW_graph, 11).picture(), QStringLiteral("sw-on"));
    EXPECT_EQ(st().sent().MemAN_SW, 11);
    console->drawstops().NomePedale_Click(2);
    EXPECT_EQ(main()(ctl::main::Tir_PED_graph, 2).picture(), QStringLiteral("ped-on"));
    EXPECT_EQ(main()(ctl::main::Tir_PED_graph, 0).picture(), QStringLiteral("ped-off"));

    // A reset lets every drawn knob go back, whichever manual it belongs to.
    console->drawstops().Tir_FO_GO_Click(4);
    console->reset().RESET_Click();
    EXPECT_EQ(main()(ctl::main::Tir_AN_SW_graph, 11).picture(), QStringLiteral("sw-off"));
    EXPECT_EQ(main()(ctl::main::Tir_PED_graph, 2).picture(), QStringLiteral("ped-off"));
    EXPECT_EQ(main()(ctl::main::Tir_FO_GO_graph, 4).picture(), st().PicDrawOffGO);
}

TEST_F(Update, AClickDuringASysexDelayIsSentOnceAfterTheRunningUpdate) {
    st().SysexDelay = 3;
    bool clicked = false;
    console->waiter().observer = [&](int) {
        if (clicked)
            return;
        clicked = true;
        // The player draws another Great Fondi stop while the first one is being sent.
        QTimer::singleShot(0, [this] { console->drawstops().Tir_FO_GO_Click(6); });
    };
    console->drawstops().Tir_FO_GO_Click(2);
    ASSERT_TRUE(clicked);
    const QStringList sent = log();
    EXPECT_EQ(sent.count(marker(42)), 1);
    EXPECT_EQ(sent.count(marker(46)), 1);
    EXPECT_LT(sent.indexOf(marker(42)), sent.indexOf(marker(46)));
    EXPECT_EQ(sent.count(QStringLiteral("B0 07 00")), 2) << "one follow-up per stop change";
    EXPECT_EQ(st().sent().MemFO_GO, 6);
    EXPECT_EQ(st().live().MemFO_GO, 6);
}
