#include "MemoryBanks.h"
#include "BanksFile.h"
#include "CommandExecutor.h"
#include "MainWindowControls.h"
#include "RemoteKeyMap.h"
#include "support/ConsoleFixture.h"

#include <QDir>
#include <QFile>

using namespace vorlo;
using namespace vorlo::test;

namespace {

// The first entry of each group's stops in the marker table.
constexpr int kGreatFondiEntry = 40;
constexpr int kGreatAncieEntry = 140;
constexpr int kSwellMutazioniEntry = 120;
constexpr int kPedaleEntry = 180;
// After a switch event: the sequence keys, and the first free memory's key.
constexpr uint8_t kPreviousKey = 34;
constexpr uint8_t kNextKey = 35;
constexpr uint8_t kFirstMemoryKey = 60;
// Page Up and Page Down as the main window hands them over.
constexpr int kPageUp = 33;
constexpr int kPageDown = 34;

struct Stored {
    BankPlace place;
    QString marker; // the stop entry its recall sends after a cancel of everything
};

class Banks : public ConsoleFixture {
protected:
    void SetUp() override { startOnMarkerTable(); }

    Control& ctl(const ControlId& id) { return main()(id); }
    QString bankCaption() { return ctl(ctl::main::BankShown).caption(); }
    QString banksPath() { return appFile(QString::fromLatin1(BanksFile::FileName)); }
    void showBank(int bank) {
        while (st().BankShown < bank)
            ctl(ctl::main::BankUp).click();
        while (st().BankShown > bank)
            ctl(ctl::main::BankDown).click();
    }
    // Stores what the panel is set to into memory m of the bank shown, with REC and a click.
    void store(int m) {
        ctl(ctl::main::Rec_button).click();
        main()(ctl::main::C_memory, m).click();
    }
    // A sustain press and a key on keyboard 1: the key is a command.
    QStringList remoteKey(uint8_t key) {
        play(kKeyboard1, {0xB0, 64, 127});
        play(kKeyboard1, {0x90, key, 100});
        play(kKeyboard1, {0xB0, 64, 0});
        settle();
        return log();
    }
    QStringList keyDown(int code) {
        main().onKeyDown(code);
        return log();
    }
    QStringList click(const ControlId& id) {
        ctl(id).click();
        return log();
    }
    // Four memories spread over banks 1, 2 and 4 (bank 3 and every other memory empty).
    std::vector<Stored> storeFour() {
        std::vector<Stored> out;
        Drawstops& d = console->drawstops();
        d.Tir_FO_GO_Click(3);
        store(2);
        out.push_back({{1, 2}, marker(kGreatFondiEntry + 3)});
        d.cancelAll();
        d.Tir_MU_SW_Click(4);
        store(12);
        out.push_back({{1, 12}, marker(kSwellMutazioniEntry + 4)});
        showBank(2);
        d.cancelAll();
        d.NomePedale_Click(7);
        console->couplers().UNPI_Click();
        store(5);
        out.push_back({{2, 5}, marker(kPedaleEntry + 7)});
        showBank(4);
        d.cancelAll();
        d.Tir_AN_GO_Click(9);
        console->levels().toggleTremulant(division(DivisionId::Swell));
        store(1);
        out.push_back({{4, 1}, marker(kGreatAncieEntry + 9)});
        return out;
    }
};

} // namespace

TEST_F(Banks, SwitchingBankShowsItsMemoriesAndSendsNothing) {
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1"));
    console->drawstops().Tir_FO_GO_Click(5);
    store(7);
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1 \u00b7 7"));
    const Registration bankOne = st().slot(7);
    log();

    EXPECT_TRUE(click(ctl::main::BankUp).isEmpty()) << "a bank change sends nothing";
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 2"));
    EXPECT_EQ(st().slot(7), Registration::startValues()) << "bank 2's memory 7 is empty";
    EXPECT_NE(main()(ctl::main::C_memory, 7).backColor(), color::Green)
        << "no memory of bank 2 is lit";
    EXPECT_EQ(main()(ctl::main::C_memory, 7).backColor(),
              main()(ctl::main::C_memory, 1).backColor());
    EXPECT_EQ(st().live().MemFO_GO, 5) << "the registration in force stays";

    // Memory 7 of bank 2 recalled by its key is empty: everything goes off.
    EXPECT_TRUE(remoteKey(kFirstMemoryKey + 6).contains(marker(kGreatFondiEntry)));
    EXPECT_TRUE(click(ctl::main::BankDown).isEmpty());
    EXPECT_EQ(st().slot(7), bankOne) << "bank 1 kept its memory";

    // Not below bank 1, not above bank 100.
    EXPECT_TRUE(click(ctl::main::BankDown).isEmpty());
    EXPECT_EQ(st().BankShown, 1);
    console->commands().execute(ConsoleCommand::showBank(100));
    ctl(ctl::main::BankUp).click();
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 100"));
    for (int bad : {0, 101, -5})
        console->commands().execute(ConsoleCommand::showBank(bad));
    EXPECT_EQ(st().BankShown, 100);
}

// Next and Previous from the keyboards, the computer keys and the panel recall the stored
// memories in order across the banks, each with exactly the bytes its own key sends.
TEST_F(Banks, TheSequenceRecallsTheStoredMemoriesInOrderWithTheBytesOfTheirKeys) {
    const std::vector<Stored> stored = storeFour();
    showBank(1);
    console->drawstops().cancelAll();
    settle();
    log();

    // Next four times by three roads, then once more past the last: nothing.
    std::vector<QStringList> bySequence;
    bySequence.push_back(remoteKey(kNextKey));
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1 \u00b7 2"));
    bySequence.push_back(keyDown(kPageDown));
    bySequence.push_back(click(ctl::main::SequenceNext));
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 2 \u00b7 5"));
    EXPECT_EQ(main()(ctl::main::C_memory, 5).backColor(), color::Green);
    bySequence.push_back(remoteKey(kNextKey));
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 4 \u00b7 1")) << "bank 3 is passed by";
    EXPECT_EQ(st().live(), st().slot(1)) << "memory 1 of bank 4 is in force";
    EXPECT_TRUE(remoteKey(kNextKey).isEmpty()) << "nothing past the last stored memory";
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 4 \u00b7 1"));
    // And back.
    bySequence.push_back(remoteKey(kPreviousKey));
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 2 \u00b7 5"));
    bySequence.push_back(keyDown(kPageUp));
    bySequence.push_back(click(ctl::main::SequencePrevious));
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1 \u00b7 2"));
    EXPECT_TRUE(click(ctl::main::SequencePrevious).isEmpty()) << "nothing before the first";

    const int order[] = {0, 1, 2, 3, 2, 1, 0};
    for (std::size_t k = 0; k < bySequence.size(); ++k)
        EXPECT_TRUE(bySequence[k].contains(stored[order[k]].marker)) << "step " << k;

    // The same recalls by the memories' own keys, from the same start.
    console->drawstops().cancelAll();
    settle();
    log();
    for (std::size_t k = 0; k < bySequence.size(); ++k) {
        const BankPlace p = stored[order[k]].place;
        showBank(p.bank);
        EXPECT_TRUE(log().isEmpty());
        EXPECT_EQ(remoteKey(kFirstMemoryKey + p.memory - 1), bySequence[k]) << "step " << k;
    }
}

TEST_F(Banks, ASequenceStartsFromTheMemoryLastRecalledAndRecIsNoStore) {
    storeFour();
    showBank(1);
    main()(ctl::main::C_memory, 12).click();
    ctl(ctl::main::Rec_button).click();
    const Registration live = st().live();
    click(ctl::main::SequenceNext);
    EXPECT_FALSE(st().RecArmed);
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 2 \u00b7 5"));
    EXPECT_EQ(st().slot(12), Registration::startValues()) << "bank 2's memory 12 untouched";
    showBank(1);
    EXPECT_EQ(st().slot(12), live) << "bank 1's memory 12 was not stored into";
    // A reset forgets the place: the next Next starts again from the first memory.
    console->commands().execute(ConsoleCommand::reset());
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1"));
    click(ctl::main::SequenceNext);
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1 \u00b7 2"));
}

TEST_F(Banks, BanksSurviveARestartAndBankOneStaysAsItAlwaysWas) {
    // Stores in bank 1 alone write no banks file.
    console->drawstops().Tir_FO_GO_Click(2);
    store(3);
    console->banks().flush();
    EXPECT_FALSE(QFile::exists(banksPath()));

    showBank(3);
    console->drawstops().Tir_AN_GO_Click(6);
    store(4);
    const Registration three = st().slot(4);
    console->commands().execute(ConsoleCommand::showBank(100));
    console->drawstops().NomePedale_Click(11);
    store(12);
    const Registration hundred = st().slot(12);
    console->banks().flush();
    ASSERT_TRUE(QFile::exists(banksPath()));

    console.reset();
    start();
    EXPECT_TRUE(dialogs.problemWindows.empty());
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 1")) << "the console starts on bank 1";
    EXPECT_EQ(st().slot(3), Registration::startValues()) << "bank 1 starts empty, as always";
    const QStringList sent = remoteKey(kNextKey);
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 3 \u00b7 4"));
    EXPECT_TRUE(sent.contains(marker(kGreatAncieEntry + 6)));
    EXPECT_EQ(st().live(), three);
    remoteKey(kNextKey);
    EXPECT_EQ(bankCaption(), QStringLiteral("Bank 100 \u00b7 12"));
    EXPECT_EQ(st().live(), hundred);
}

TEST_F(Banks, ADamagedBanksFileIsToldKeptAsideAndNeverWrittenOver) {
    MemoryBankSet set;
    set.memory(5, 5).MemFO_SW = 9;
    const QByteArray good = BanksFile::serialize(set, CrescendoStages());
    QByteArray flipped = good;
    flipped[flipped.indexOf("M 5 5 ") + 8] = '7';
    QByteArray newer = good;
    newer.replace("VERSION 1", "VERSION 2");
    const QByteArray damaged[] = {flipped, newer, good.left(good.size() / 2),
                                  QByteArray("\0\xff garbage", 10), QByteArray()};
    int round = 0;
    for (const QByteArray& bytes : damaged) {
        console.reset();
        for (const QString& name : QDir(dir.path()).entryList({QStringLiteral("*banks*")}))
            QFile::remove(QDir(dir.path()).filePath(name));
        dialogs.problemWindows.clear();
        {
            QFile f(banksPath());
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        start();
        SCOPED_TRACE(round++);
        const QString told = dialogs.problemText(QStringLiteral("Memory banks"));
        EXPECT_TRUE(told.contains(QStringLiteral("cannot be read"))) << told.toStdString();
        const QStringList kept =
            QDir(dir.path()).entryList({QString::fromLatin1(BanksFile::FileName) + "*damaged*"});
        ASSERT_EQ(kept.size(), 1);
        QFile copy(QDir(dir.path()).filePath(kept[0]));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        EXPECT_EQ(copy.readAll(), bytes) << "every byte kept";
        EXPECT_TRUE(told.contains(kept[0]));
        EXPECT_TRUE(remoteKey(kNextKey).isEmpty()) << "the banks start empty";
        // The next store into a bank writes a new, good file.
        showBank(2);
        console->drawstops().Tir_FO_SW_Click(1);
        store(1);
        console->banks().flush();
        MemoryBankSet back;
        CrescendoStages stages;
        ASSERT_TRUE(BanksFile::read(banksPath(), back, stages));
        EXPECT_EQ(back.memory(2, 1), st().slot(1));
    }
    MemoryBankSet back;
    CrescendoStages stages;
    EXPECT_TRUE(BanksFile::parse(good, back, stages));
    EXPECT_EQ(back, set) << "the good file reads back";
}

TEST(BankRemoteKeys, TheKeysBelowTheStepKeysStepTheSequenceAndEndTheCommand) {
    EXPECT_EQ(remoteKey(34).command, ConsoleCommand::sequencePrevious());
    EXPECT_EQ(remoteKey(35).command, ConsoleCommand::sequenceNext());
    EXPECT_FALSE(remoteKey(34).keepsArmed);
    EXPECT_FALSE(remoteKey(35).keepsArmed);
    EXPECT_EQ(remoteKey(33).command, ConsoleCommand::panic()) << "the others as before";
}
