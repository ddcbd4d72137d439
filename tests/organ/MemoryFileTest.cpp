#include "AdvancedWindowControls.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

class MemoryFiles : public ConsoleFixture {
protected:
    void SetUp() override {
        startOnMarkerTable([](ConsoleState& s) { s.MemoryLedsShown = false; });
    }
    QString path(const char* name) { return appFile(QString::fromLatin1(name)); }
    // A valid file's lines (without CR LF), to be edited by a test.
    QList<QByteArray> lines() {
        QList<QByteArray> l = MemoryFile::serialize(st()).split('\n');
        l.removeLast();
        for (auto& x : l)
            x.chop(1);
        return l;
    }
    static QByteArray join(const QList<QByteArray>& l) { return l.join("\r\n") + "\r\n"; }
    void load(const QString& p) {
        dialogs.files = {p};
        main()(ctl::main::LoadFile).click();
    }
    // Line of field k of free memory n.
    static int line(int n, int k) { return 7 + 28 * (n - 1) + k; }
};

} // namespace

TEST_F(MemoryFiles, TheFileHoldsTheSettingsAndTheTwelveMemoriesAsPrintedNumbers) {
    st().DatFilePath = QStringLiteral("C:\\Programmi\\Vorlo\\chiesa.dat");
    st().Temperament = 3;
    st().TremoloRate = 87;
    st().MemoryLabelMode = 2;
    st().MemoryLedsShown = true;
    st().TemperamentStart = 11;
    st().slot(1).MemFO_GO = 12;
    st().slot(12).MemSubottava = 1;
    st().slot(5).MemThru = -2;
    const QByteArray b = MemoryFile::serialize(st());
    QList<QByteArray> l = b.split('\n');
    ASSERT_EQ(l.takeLast(), QByteArray());
    ASSERT_EQ(l.size(), 344);
    for (const auto& x : l)
        ASSERT_TRUE(x.endsWith('\r'));
    EXPECT_EQ(l[0], "chiesa.dat\r");
    EXPECT_EQ(l[1], " 3 \r");
    EXPECT_EQ(l[2], " 87 \r");
    EXPECT_EQ(l[5], " 2 \r");
    EXPECT_EQ(l[6], " 1 \r");
    EXPECT_EQ(l[7], " 12 \r");
    EXPECT_EQ(l[line(5, 20)], "-2 \r");
    EXPECT_EQ(l[342], " 1 \r");
    EXPECT_EQ(l[343], " 11 \r");
}

TEST_F(MemoryFiles, SaveAndLoadGiveBackTheSameMemoriesAndRecallMemoryOne) {
    for (int n = 1; n <= 12; ++n) {
        st().slot(n).MemFO_SW = static_cast<int16_t>(n * 2);
        st().slot(n).MemExprGO = static_cast<int16_t>(60 + n);
        st().slot(n).MemBalAN_GO = static_cast<int16_t>(n);
        st().slot(n).MemAnnullSW[2] = 0;
    }
    st().FreeMemoriesUnsaved = true;
    st().TremoloRate = 47;
    dialogs.files = {path("bach.SQS")};
    main()(ctl::main::savefile).click();
    EXPECT_FALSE(st().FreeMemoriesUnsaved);
    const ConsoleSlots saved = st();

    st().initFreeMemories();
    st().TremoloRate = 70;
    load(path("bach.SQS"));
    Form& adv = console->form(ctl::advanced::Window);
    EXPECT_EQ(adv(ctl::advanced::SliderTremoloRate).value(), 47);
    EXPECT_EQ(adv(ctl::advanced::Valore).caption(), QStringLiteral("47"))
        << "the rate shown is the file's";
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(st().slot(n), saved.slot(n)) << "memory " << n;
    EXPECT_EQ(st().LastMemory, 1);
    EXPECT_EQ(st().sent().MemFO_SW, 2) << "memory 1 is recalled after the reset";
    EXPECT_EQ(main()(ctl::main::C_memory, 1).backColor(), color::Green);
}

TEST_F(MemoryFiles, LoadingLimitsEveryFieldThatHasALimit) {
    QList<QByteArray> l = lines();
    l[line(1, 0)] = " 35 "; // Fondi
    l[line(1, 6)] = " 25 "; // Pedal
    l[line(1, 7)] = " 2 ";  // tremolo 2 is kept
    l[line(1, 8)] = " 3 ";  // tremolo 3 is not
    l[line(1, 9)] = " 40 "; // level below 60
    l[line(1, 10)] = "128"; // level above 127
    l[line(1, 12)] = " 0 "; // balance 0 is fine
    l[line(1, 13)] = "-1 "; // negative balance
    l[line(1, 18)] = " 3 "; // pedal coupler
    l[line(1, 19)] = " 7 "; // manual coupler: unchecked
    l[line(2, 2)] = "-4 ";  // negative position: kept, refused later by the console
    ASSERT_TRUE(putFile(path("limits.sqs"), join(l)));
    load(path("limits.sqs"));
    EXPECT_EQ(st().slot(1).MemFO_GO, 29);
    EXPECT_EQ(st().slot(1).MemPED, 19);
    EXPECT_EQ(st().slot(1).MemTremGO, 2);
    EXPECT_EQ(st().slot(1).MemTremSW, 0);
    EXPECT_EQ(st().slot(1).MemExprGO, 127);
    EXPECT_EQ(st().slot(1).MemExprSW, 127);
    EXPECT_EQ(st().slot(1).MemBalFO_GO, 0);
    EXPECT_EQ(st().slot(1).MemBalMU_GO, 127);
    EXPECT_EQ(st().slot(1).MemUnPedale, 0);
    EXPECT_EQ(st().slot(1).MemUnManuali, 7);
    EXPECT_EQ(st().slot(2).MemMU_GO, -4);
    EXPECT_FALSE(console->hasEnded());
}

TEST_F(MemoryFiles, ListsAreSelectedInOrderAndSendTheirSettingsBeforeTheReset) {
    QList<QByteArray> l = lines();
    l[1] = " 2 ";   // temperament
    l[3] = " 1 ";   // tremolo type
    l[4] = " 6 ";   // reverb
    l[343] = " 5 "; // start note
    ASSERT_TRUE(putFile(path("order.sqs"), join(l)));
    load(path("order.sqs"));
    const QStringList sent = log();
    ASSERT_GT(sent.size(), 70);
    EXPECT_EQ(sent[0], temp(1));
    EXPECT_EQ(sent.mid(64, 4), QStringList({marker(28), marker(37), marker(38), marker(0)}))
        << "temperament, start note, reverb, tremolo type, then the reset";
    EXPECT_EQ(st().SysexTemp[1].mid(8, 12), QByteArray(12, '\x42'));
}

TEST_F(MemoryFiles, FieldsMayAlsoEndAtACommaAndLinesAfterTheLastAreIgnored) {
    QList<QByteArray> l = lines();
    l[line(3, 0)] = " 4, 5"; // Great Fondi 4, then Swell Fondi 5 from the same line
    l.removeAt(line(3, 1));
    l.append("extra line of a newer program");
    ASSERT_TRUE(putFile(path("commas.sqs"), join(l)));
    load(path("commas.sqs"));
    EXPECT_EQ(st().slot(3).MemFO_GO, 4);
    EXPECT_EQ(st().slot(3).MemFO_SW, 5);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MemoryFiles, ARefusedFileChangesNothingAndTheMessageNamesTheLine) {
    const QString invalid =
        QStringLiteral("Invalid SQS file. File corrupted or from Vorlo Older Version\n\n");
    // A file whose twelve memories all differ from the console's, cut short in memory 3.
    for (int n = 1; n <= 12; ++n)
        st().slot(n).MemFO_GO = static_cast<int16_t>(n);
    st().slot(4).MemExprSW = 99;
    QList<QByteArray> l = lines();
    for (int n = 1; n <= 12; ++n)
        l[line(n, 0)] = " 20 ";
    ASSERT_TRUE(putFile(path("short.sqs"), join(l.mid(0, line(3, 4)))));
    console->memories().Memorie(6);
    log();
    const ConsoleSlots before = st();
    auto unchanged = [&] {
        for (int n = 1; n <= 12; ++n)
            if (st().slot(n) != before.slot(n))
                return false;
        return true;
    };

    load(path("short.sqs"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages.back().text,
              invalid + QStringLiteral("short.sqs, line %1: missing: the file ends before it (a "
                                       "memory file has 344 lines).")
                            .arg(line(3, 4) + 1));
    EXPECT_EQ(dialogs.messages.back().icon, Dialogs::Icon::Critical);
    EXPECT_TRUE(unchanged()) << "nothing of a refused file is applied";
    EXPECT_TRUE(log().isEmpty()) << "no reset, no recall";
    EXPECT_EQ(main()(ctl::main::C_memory, 6).backColor(), color::ActiveBorder)
        << "indicators stay dark";

    l[line(5, 9)] = "loud";
    ASSERT_TRUE(putFile(path("word.sqs"), join(l)));
    load(path("word.sqs"));
    EXPECT_EQ(dialogs.messages.back().text,
              invalid + QStringLiteral("word.sqs, line %1: \"loud\" is not a number from -32768 "
                                       "to 32767.")
                            .arg(line(5, 9) + 1));
    EXPECT_TRUE(unchanged());

    load(path("missing.sqs"));
    EXPECT_EQ(dialogs.messages.size(), 3u);
    EXPECT_TRUE(dialogs.messages.back().text.startsWith(invalid + "missing.sqs: "));

    // A whole file with a temperament and a reverb the lists cannot take: neither the memories
    // nor the settings (which the configuration stores) change.
    st().Temperament = 2;
    st().ReverbType = 1;
    l = lines();
    for (int n = 1; n <= 12; ++n)
        l[line(n, 0)] = " 20 ";
    l[1] = " 99 ";
    l[4] = " 40 ";
    ASSERT_TRUE(putFile(path("lists.sqs"), join(l)));
    load(path("lists.sqs"));
    EXPECT_EQ(dialogs.messages.back().text,
              invalid + QStringLiteral("lists.sqs, line 2: the temperament number 99 is not in "
                                       "the list (0 to %1).")
                            .arg(console->form(ctl::advanced::Window)(ctl::advanced::Temperamenti)
                                     .items()
                                     .size() -
                                 1));
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(st().Temperament, 2);
    EXPECT_EQ(st().ReverbType, 1);
    EXPECT_TRUE(log().isEmpty()) << "no list was selected";

    l[1] = " 1 ";
    l[4] = " 40 ";
    ASSERT_TRUE(putFile(path("reverb.sqs"), join(l)));
    load(path("reverb.sqs"));
    EXPECT_TRUE(dialogs.messages.back().text.startsWith(
        invalid + QStringLiteral("reverb.sqs, line 5: the reverb number 40")));
    EXPECT_TRUE(unchanged());
    EXPECT_EQ(st().Temperament, 2);

    // The reader on its own: a file cut short leaves the state it reads into as it was.
    ConsoleState scratch;
    scratch.slot(1).MemFO_GO = 3;
    scratch.Temperament = 4;
    EXPECT_FALSE(MemoryFile::parse(join(l.mid(0, 100)), scratch));
    EXPECT_EQ(scratch.slot(1).MemFO_GO, 3);
    EXPECT_EQ(scratch.Temperament, 4);
}

TEST_F(MemoryFiles, OnlyItsOwnExtensionPassesTheDialogAndCancellingSaysNothing) {
    ASSERT_TRUE(putFile(path("notes.txt"), join(lines())));
    load(path("notes.txt"));
    EXPECT_EQ(dialogs.messageTexts(), QStringList({"Unauthorized file"}));
    EXPECT_TRUE(dialogs.messages[0].withCancel) << "OK and Cancel";
    EXPECT_TRUE(log().isEmpty());
    dialogs.files = {std::nullopt};
    main()(ctl::main::LoadFile).click();
    dialogs.files = {std::nullopt};
    main()(ctl::main::savefile).click();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.fileDialogTitles.mid(1),
              QStringList({"Load memories from file", "Save memories in file"}));
    QString name = QStringLiteral("unchanged");
    dialogs.files = {std::nullopt};
    EXPECT_EQ(console->memoryFile().Dialogo_Apri(QStringLiteral("t"), QStringLiteral(".dat"), name),
              1);
    EXPECT_EQ(name, QStringLiteral("unchanged"));
}

TEST_F(MemoryFiles, UnsavedMemoriesAreProtectedAndAFailedSaveTellsThePlayer) {
    st().FreeMemoriesUnsaved = true;
    dialogs.answers = {false};
    dialogs.files = {path("x.sqs")};
    main()(ctl::main::LoadFile).click();
    EXPECT_EQ(dialogs.questions,
              QStringList({"Free memories unsaved: loading will erase them. Continue anyway ?"}));
    EXPECT_EQ(dialogs.fileDialogTitles.size(), 0) << "declined before the dialog";

    ASSERT_TRUE(putFile(path("keep.sqs"), "old contents"));
    dialogs.files = {path("no-such-folder/keep.sqs")};
    main()(ctl::main::savefile).click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.contains(QStringLiteral("could not be written")));
    EXPECT_TRUE(st().FreeMemoriesUnsaved);
    EXPECT_EQ(fileBytes(path("keep.sqs")), "old contents");
}
