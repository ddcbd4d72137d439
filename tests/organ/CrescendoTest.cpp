#include "Crescendo.h"
#include "BanksFile.h"
#include "CommandExecutor.h"
#include "MainWindowControls.h"
#include "MemoryBanks.h"
#include "support/ConsoleFixture.h"

#include <QFile>

using namespace vorlo;
using namespace vorlo::test;

namespace {

// The seven stop groups: the field each is kept in and its stop entries in the marker table.
struct GroupEntries {
    SlotField field;
    int firstEntry;
    int positions;
};
const GroupEntries kGroups[] = {
    {SlotField::MemFO_GO, 40, 30},  {SlotField::MemFO_SW, 70, 30},  {SlotField::MemMU_GO, 100, 20},
    {SlotField::MemMU_SW, 120, 20}, {SlotField::MemAN_GO, 140, 20}, {SlotField::MemAN_SW, 160, 20},
    {SlotField::MemPED, 180, 20},
};
constexpr uint8_t kFootController = 4;

class CrescendoPedal : public ConsoleFixture {
protected:
    void SetUp() override { startOnMarkerTable(); }

    // The pedal moved on a keyboard to the value that stands for stage n.
    QStringList moveTo(int n, const char* keyboard = kKeyboard1) {
        const int value = (n * 127 + kCrescendoStageCount / 2) / kCrescendoStageCount;
        EXPECT_EQ(Crescendo::stageFor(value), n);
        play(keyboard, {0xB0, kFootController, static_cast<uint8_t>(value)});
        settle();
        return log();
    }
    QString caption() { return main()(ctl::main::CrescendoShown).caption(); }
    // The stop entries of a group found in what was sent.
    static QStringList groupEntriesIn(const QStringList& sent, const GroupEntries& g) {
        QStringList out;
        for (int p = 0; p < g.positions; ++p) {
            if (sent.contains(marker(g.firstEntry + p)))
                out << marker(g.firstEntry + p);
        }
        return out;
    }
    void draw() {
        console->drawstops().Tir_FO_GO_Click(5);
        console->drawstops().Tir_AN_SW_Click(3);
        console->drawstops().NomePedale_Click(2);
        console->couplers().UNPII_Click();
        settle();
        log();
    }
};

} // namespace

TEST_F(CrescendoPedal, EachStageAddsExactlyItsStopsAndStageZeroRestoresTheDrawnRegistration) {
    draw();
    const Registration drawn = st().live();
    const CrescendoStages& stages = console->banks().crescendoStages();
    Registration before = drawn;
    for (int n = 1; n <= kCrescendoStageCount; ++n) {
        SCOPED_TRACE(n);
        const QStringList sent = moveTo(n, n % 2 ? kKeyboard1 : kKeyboard2);
        const Registration expected = stages.onTop(drawn, n);
        EXPECT_EQ(st().sent(), expected);
        EXPECT_EQ(st().live(), expected);
        for (const GroupEntries& g : kGroups) {
            // A group the stage moves sends its new position, and no other group sends.
            const QStringList entries = groupEntriesIn(sent, g);
            if (expected[g.field] != before[g.field])
                EXPECT_EQ(entries, QStringList{marker(g.firstEntry + expected[g.field])});
            else
                EXPECT_TRUE(entries.isEmpty()) << entries.join(' ').toStdString();
        }
        EXPECT_EQ(caption(), QStringLiteral("Cresc %1").arg(n));
        before = expected;
    }
    // The full organ holds every group, both couplers and the sub-octave.
    for (const GroupEntries& g : kGroups)
        EXPECT_NE(st().sent()[g.field], 0);
    EXPECT_EQ(st().sent().MemSubottava, 1);

    const QStringList back = moveTo(0);
    EXPECT_EQ(st().live(), drawn);
    EXPECT_EQ(st().sent(), drawn) << "the module holds the drawn registration again";
    EXPECT_EQ(groupEntriesIn(back, kGroups[0]), QStringList{marker(40 + 5)});
    EXPECT_EQ(groupEntriesIn(back, kGroups[5]), QStringList{marker(160 + 3)});
    EXPECT_EQ(groupEntriesIn(back, kGroups[6]), QStringList{marker(180 + 2)});
    EXPECT_EQ(groupEntriesIn(back, kGroups[2]), QStringList{marker(100)}) << "cancelled again";
    EXPECT_EQ(caption(), QStringLiteral("Cresc 0"));
}

TEST_F(CrescendoPedal, AStillPedalSendsNothingAndOtherControllersPassAsBefore) {
    EXPECT_TRUE(moveTo(0).isEmpty()) << "the heel is the drawn registration";
    play(kKeyboard1, {0xB0, kFootController, 2});
    settle();
    EXPECT_TRUE(log().isEmpty()) << "still stage 0";
    moveTo(7);
    play(kKeyboard2, {0xB0, kFootController, 45});
    settle();
    EXPECT_TRUE(log().isEmpty()) << "the same stage again";
    play(kKeyboard1, {0xB0, 5, 33});
    settle();
    EXPECT_EQ(log(), QStringList{"B0 05 21"}) << "controller 5 still goes to the module";
    EXPECT_FALSE(QFile::exists(appFile(QString::fromLatin1(BanksFile::FileName))))
        << "moving the pedal writes no file";
}

TEST_F(CrescendoPedal, WhatThePlayerDrawsWithAStageOnBelongsToTheDrawnRegistration) {
    draw();
    moveTo(5);
    // Stage 5 leaves the Swell Mutazioni alone; the Great Fondi it sets are drawn over.
    console->drawstops().Tir_MU_SW_Click(7);
    console->drawstops().Tir_FO_GO_Click(8);
    settle();
    EXPECT_EQ(st().sent().MemMU_SW, 7);
    EXPECT_EQ(st().sent().MemFO_GO, 1) << "the stage's Great Fondi stay on top";
    Registration drawn = st().live();
    drawn.MemFO_SW = 0;
    drawn.MemPED = 2;
    drawn.MemFO_GO = 8;
    moveTo(2);
    EXPECT_EQ(st().live().MemMU_SW, 7);
    EXPECT_EQ(st().live().MemFO_GO, 8) << "stage 2 leaves the Great Fondi as drawn";
    moveTo(0);
    EXPECT_EQ(st().live(), drawn);
    EXPECT_EQ(st().sent(), drawn);
}

TEST_F(CrescendoPedal, AStoredStageIsKeptInTheBanksFileAndSurvivesARestart) {
    for (int i = 0; i < 3; ++i)
        main()(ctl::main::CrescendoUp).click();
    EXPECT_EQ(caption(), QStringLiteral("Cresc 3"));
    console->drawstops().Tir_MU_GO_Click(4);
    main()(ctl::main::CrescendoStore).click();
    const Registration stage3 = st().live();
    moveTo(0);
    console->banks().flush();
    ASSERT_TRUE(QFile::exists(appFile(QString::fromLatin1(BanksFile::FileName))));

    console.reset();
    start();
    EXPECT_EQ(caption(), QStringLiteral("Cresc 0"));
    moveTo(3);
    for (SlotField f : CrescendoStages::kFields)
        EXPECT_EQ(st().sent()[f], stage3[f]) << static_cast<int>(f);
    EXPECT_EQ(st().sent().MemMU_GO, 4);
    moveTo(4);
    EXPECT_EQ(st().sent(), CrescendoStages().onTop(Registration::startValues(), 4))
        << "the other stages stay the default ones";
}

TEST_F(CrescendoPedal, AMemoryRecalledWithAStageOnKeepsTheStageOnTop) {
    console->drawstops().Tir_AN_GO_Click(6);
    console->drawstops().Tir_FO_SW_Click(2);
    console->memories().toggleRec();
    console->memories().Memorie(4);
    const Registration memory = st().slot(4);
    console->drawstops().cancelAll();
    moveTo(3);
    log();
    // Sustain and the memory's key: the memory comes with stage 3 on top, in one update.
    play(kKeyboard1, {0xB0, 64, 127});
    play(kKeyboard1, {0x90, 63, 100});
    settle();
    const QStringList sent = log();
    const Registration expected = console->banks().crescendoStages().onTop(memory, 3);
    EXPECT_EQ(st().sent(), expected);
    EXPECT_EQ(expected.MemFO_SW, 15) << "stage 3 sets the Swell Fondi";
    EXPECT_EQ(groupEntriesIn(sent, kGroups[1]), QStringList{}) << "they never went off";
    EXPECT_EQ(groupEntriesIn(sent, kGroups[4]), QStringList{marker(140 + 6)});
    moveTo(0);
    EXPECT_EQ(st().sent(), memory);
}
