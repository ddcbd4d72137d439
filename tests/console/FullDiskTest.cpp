#include "DatFile.h"
#include "MainWindowControls.h"
#include "MidiDevices.h"
#include "PacedOutputPort.h"
#include "RecoveryCopy.h"
#include "SettingsFile.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/SmallDisk.h"

using namespace vorlo;
using namespace vorlo::test;

namespace {

// The console in a program folder on a disk of its own, which the tests fill.
class FullDisk : public ConsoleFixture {
protected:
    void SetUp() override {
        disk = std::make_unique<SmallDisk>(dir.path(), 512);
        if (!disk->mounted())
            GTEST_SKIP() << disk->reason().toStdString();
        writeTable(markerTable());
        writeConfig([](ConsoleState& s) {
            s.SaveCfgOnExit = 1;
            s.MemoryLedsShown = false;
        });
        ASSERT_TRUE(SettingsFile(dir.path()).setValue(QStringLiteral("Output/WireSpeed"), 0));
    }
    void TearDown() override {
        console.reset();
        disk.reset();
    }
    QByteArray bytes(const char* name) { return fileBytes(appFile(QString::fromLatin1(name))); }
    void store(int memory) {
        main()(ctl::main::Rec_button).click();
        main()(ctl::main::C_memory, memory).click();
        console->recovery().flush();
        settle();
    }
    int messagesAbout(const QString& what) {
        return static_cast<int>(dialogs.messageTexts().filter(what).size());
    }

    std::unique_ptr<SmallDisk> disk;
};

TEST_F(FullDisk, EverySaveKeepsTheOldFileAndTellsThePlayer) {
    start();
    main()(ctl::main::Tir_FO_GO, 7).click();
    store(3);
    dialogs.files = {appFile(QStringLiteral("saved.sqs"))};
    main()(ctl::main::savefile).click();
    store(4);
    const QByteArray copy = bytes(RecoveryCopy::FileName);
    ASSERT_TRUE(copy.startsWith(bytes("saved.sqs").left(100))) << "the copy of memory 4";
    const QByteArray saved = bytes("saved.sqs");
    const QByteArray table = bytes("vorlo2000.dat");
    const QByteArray settings = bytes("vorlo2000.ini");
    const QByteArray configuration = bytes("vorlo2000.CFG");
    ASSERT_GT(saved.size(), 1000);
    ASSERT_GT(configuration.size(), 1000);
    ASSERT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join('|').toStdString();

    disk->fill();
    // Stores keep the last copy that could be written; the player hears of it once.
    store(5);
    store(6);
    EXPECT_EQ(bytes(RecoveryCopy::FileName), copy);
    EXPECT_EQ(messagesAbout(QStringLiteral("recovery copy of the free memories")), 1)
        << dialogs.messageTexts().join('|').toStdString();

    // File > Save: the old file stays, the memories stay unsaved and their copy stays.
    dialogs.files = {appFile(QStringLiteral("saved.sqs"))};
    main()(ctl::main::savefile).click();
    console->recovery().flush();
    EXPECT_EQ(bytes("saved.sqs"), saved);
    EXPECT_EQ(messagesAbout(QStringLiteral("The memory file")), 1);
    EXPECT_TRUE(st().FreeMemoriesUnsaved);
    EXPECT_EQ(bytes(RecoveryCopy::FileName), copy);

    // The stops table and the settings file.
    StopTable other = markerTable();
    other.set(StopTable::kFondiNames, "Principale 8'");
    QString error;
    EXPECT_FALSE(DatFile::write(appFile(QStringLiteral("vorlo2000.dat")), other, &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(bytes("vorlo2000.dat"), table);
    EXPECT_FALSE(console->setWireSpeed(PacedOutputPort::kDinBaud, &error));
    EXPECT_EQ(bytes("vorlo2000.ini"), settings);
    // Devices confirmed in the set-up still open; only their names are not remembered.
    console->devices().useDevices(1, 0, 0);
    EXPECT_TRUE(console->MIDIInput1().isOpen());
    EXPECT_EQ(bytes("vorlo2000.ini"), settings);

    // The configuration saved at the end.
    dialogs.answers = {true}; // exit anyway, the memories unsaved
    console->exit_Click();
    ASSERT_TRUE(console->hasEnded());
    EXPECT_EQ(bytes("vorlo2000.CFG"), configuration);
    EXPECT_EQ(messagesAbout(QStringLiteral("configuration file")), 1);
}

} // namespace
