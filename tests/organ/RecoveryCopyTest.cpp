#include "RecoveryCopy.h"
#include "MainWindowControls.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>

using namespace vorlo;
using namespace vorlo::test;

namespace {

class RecoveryCopies : public ConsoleFixture {
protected:
    void SetUp() override {
        writeTable(markerTable());
        writeConfig([](ConsoleState& s) { s.MemoryLedsShown = false; });
    }
    QString copyPath() { return appFile(QString::fromLatin1(RecoveryCopy::FileName)); }
    // The copy as it is on disk once every change so far has been written.
    QByteArray onDisk() {
        console->recovery().flush();
        return fileBytes(copyPath());
    }
    bool exists() {
        console->recovery().flush();
        return QFile::exists(copyPath());
    }
    void store(int memory) {
        main()(ctl::main::Rec_button).click();
        main()(ctl::main::C_memory, memory).click();
    }
    void drawGreatFondi(int position) { main()(ctl::main::Tir_FO_GO, position).click(); }
    // The buffers' part of the copy: the filled-buffers line and the two buffers.
    static QList<QByteArray> bufferLines(const QByteArray& copy) {
        QList<QByteArray> l = copy.split('\n');
        return l.mid(MemoryFile::kLineCount, 1 + 2 * kFieldCount);
    }
};

TEST_F(RecoveryCopies, AStoreWritesTheCopyASaveRemovesIt) {
    start();
    EXPECT_FALSE(exists());
    drawGreatFondi(7);
    store(3);
    ASSERT_TRUE(st().FreeMemoriesUnsaved);
    const QByteArray copy = onDisk();
    ASSERT_FALSE(copy.isEmpty()) << "a store into a free memory writes the copy";
    // Its first 344 lines are the memory file of this state, byte for byte.
    EXPECT_EQ(copy.left(MemoryFile::serialize(st()).size()), MemoryFile::serialize(st()));
    EXPECT_EQ(bufferLines(copy).value(0), " 0 \r") << "no buffer filled";
    EXPECT_EQ(copy.count('\n'), MemoryFile::kLineCount + 1 + 2 * kFieldCount);
    // File > Open reads the copy as the memory file it begins with.
    QFile::copy(copyPath(), appFile(QStringLiteral("copy.sqs")));
    st().initFreeMemories();
    dialogs.answers = {true};
    dialogs.files = {appFile(QStringLiteral("copy.sqs"))};
    main()(ctl::main::LoadFile).click();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('|').toStdString();
    EXPECT_EQ(st().slot(3).MemFO_GO, 7);

    dialogs.files = {appFile(QStringLiteral("saved.sqs"))};
    main()(ctl::main::savefile).click();
    EXPECT_FALSE(exists()) << "saved in a memory file: nothing to recover";
}

TEST_F(RecoveryCopies, BufferStoresAndClearsKeepTheCopyInStep) {
    start();
    drawGreatFondi(4);
    main()(ctl::main::TempMemButton, 1).click();
    QList<QByteArray> l = bufferLines(onDisk());
    ASSERT_EQ(l.size(), 1 + 2 * kFieldCount) << "a buffer store alone writes the copy";
    EXPECT_EQ(l[0], " 2 \r") << "buffer S2 filled";
    EXPECT_EQ(l[1 + kFieldCount], " 4 \r") << "S2's Great Fondi";

    store(5);
    dialogs.answers = {true};
    main()(ctl::main::CLEAR).click();
    ASSERT_FALSE(st().FreeMemoriesUnsaved);
    const QByteArray cleared = onDisk();
    EXPECT_EQ(cleared.left(MemoryFile::serialize(st()).size()), MemoryFile::serialize(st()))
        << "the cleared memories, since a buffer is still filled";
    EXPECT_EQ(st().slot(5).MemFO_GO, 0);
}

TEST_F(RecoveryCopies, AClearOrAnAnsweredExitDiscardsIt) {
    start();
    store(2);
    ASSERT_TRUE(exists());
    dialogs.answers = {true};
    main()(ctl::main::CLEAR).click();
    EXPECT_FALSE(exists()) << "the player chose to erase the memories";

    store(2);
    ASSERT_TRUE(exists());
    dialogs.answers = {false};
    EXPECT_FALSE(console->Form_Unload());
    EXPECT_TRUE(exists()) << "still running";
    dialogs.answers = {true};
    EXPECT_TRUE(console->Form_Unload());
    EXPECT_FALSE(QFile::exists(copyPath())) << "\"exit anyway\": discarded";
}

TEST_F(RecoveryCopies, AnEndWithoutQuestionsKeepsUnsavedMemoriesAndTheNextStartRestoresThem) {
    start();
    drawGreatFondi(9);
    store(4);
    drawGreatFondi(11);
    main()(ctl::main::TempMemButton, 0).click();
    const ConsoleSlots stored = st();
    log();
    console->requestEnd();
    console->endWithoutQuestions();
    EXPECT_TRUE(console->hasEnded());
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "nothing asked";
    EXPECT_EQ(log().value(0), marker(0)) << "the module gets entry 0 as at any end";
    ASSERT_TRUE(QFile::exists(copyPath()));

    // The next start asks, No being the safe default of the question.
    console.reset();
    dialogs.questions.clear();
    dialogs.answers = {true};
    start();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains(QStringLiteral("Restore the free memories")));
    EXPECT_EQ(dialogs.questionTitles[0], QStringLiteral("Warning"));
    for (int n = 1; n <= 12; ++n)
        EXPECT_EQ(st().slot(n), stored.slot(n)) << "memory " << n;
    EXPECT_EQ(st().slot(SlotBuffer1).MemFO_GO, 11);
    EXPECT_TRUE(console->buffers().isFilled(0));
    EXPECT_FALSE(console->buffers().isFilled(1));
    EXPECT_TRUE(st().FreeMemoriesUnsaved) << "restored, but still in no memory file";
    EXPECT_EQ(st().sent().MemFO_GO, 0) << "memory 1 recalled, as after File > Open";
    EXPECT_EQ(main()(ctl::main::C_memory, 1).backColor(), color::Green);
    EXPECT_TRUE(exists()) << "kept until the memories are saved";

    // The player refuses the next time: the copy goes, and the start after asks nothing.
    console->requestEnd();
    console->endWithoutQuestions();
    console.reset();
    dialogs.questions.clear();
    dialogs.answers = {false};
    start();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(st().slot(4).MemFO_GO, 0) << "not restored";
    EXPECT_FALSE(exists());
    console.reset();
    dialogs.questions.clear();
    start();
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(RecoveryCopies, AQuestionCutShortByTheEndOfTheProgramDiscardsNothing) {
    start();
    store(6);
    console->requestEnd();
    console->endWithoutQuestions();
    console.reset();
    // The system ends the program while the restore question is on the screen.
    makeConsole();
    console->requestEnd();
    dialogs.answers = {false};
    console->Form_Load();
    console->endWithoutQuestions();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(QFile::exists(copyPath())) << "offered again at the next start";
}

TEST_F(RecoveryCopies, ADamagedOrEmptyCopyIsSetAsideAndNotOffered) {
    ASSERT_TRUE(putFile(copyPath(), "only a line\r\n 3 \r\n"));
    dialogs.answers = {true};
    start();
    const QString damaged = appFile(QString::fromLatin1(RecoveryCopy::DamagedFileName));
    EXPECT_FALSE(QFile::exists(copyPath()));
    EXPECT_TRUE(QFile::exists(damaged));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.messages.back().text.contains(QDir::toNativeSeparators(damaged)));

    // An empty copy (a full disk may have left one) is not offered, and not kept either.
    console.reset();
    ASSERT_TRUE(putFile(copyPath(), QByteArray()));
    dialogs.messages.clear();
    dialogs.questions.clear();
    start();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.endsWith(QStringLiteral("cannot be restored: it is "
                                                                 "empty.")))
        << dialogs.messages[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(copyPath()));
    EXPECT_EQ(fileBytes(damaged), "only a line\r\n 3 \r\n") << "the earlier damaged copy stays";
}

} // namespace
