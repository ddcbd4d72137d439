#include "ConfigFile.h"
#include "DatFile.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

using namespace vorlo;
using namespace vorlo::test;

namespace {

// A 1600 x 1000 screen at 96 dots per inch: 24000 x 15000 twips.
class SmallScreen : public FixedScreen {
public:
    double screenWidthTwips() const override { return 1600 * 15; }
    double screenHeightTwips() const override { return 1000 * 15; }
};

// Start-up with damaged, out-of-range or missing files, on a 1600 x 1000 screen.
class StartupFiles : public ConsoleFixture {
protected:
    void startOnSmallScreen() {
        Console::Environment env;
        env.appDir = dir.path();
        env.backend = midi.get();
        env.dialogs = &dialogs;
        env.screen = &small;
        console = std::make_unique<Console>(env);
        console->Form_Load();
        settle();
        midi->clearLog();
    }
    QString cfgPath() const { return appFile(QStringLiteral("vorlo2000.CFG")); }
    // The configuration's lines with line n (1-based) replaced.
    void damageConfigLine(int n, const QByteArray& line) {
        QList<QByteArray> l = fileBytes(cfgPath()).split('\n');
        l[n - 1] = line + "\r";
        ASSERT_TRUE(putFile(cfgPath(), l.join('\n')));
    }
    QStringList damagedCopies() const {
        return QDir(dir.path()).entryList({QStringLiteral("vorlo2000.CFG.damaged-*")}, QDir::Files);
    }
    // Whether a window of the given place and size lies wholly on the small screen.
    static bool onScreen(const Form& f) {
        return f.left() >= 0 && f.top() >= 0 && f.left() + f.width() <= 24000 &&
               f.top() + f.height() <= 15000;
    }

    SmallScreen small;
};

} // namespace

TEST_F(StartupFiles, FirstStartCentresTheWindowsWithTheSizeOfThePanelShown) {
    writeTable(markerTable());
    startOnSmallScreen();
    ASSERT_TRUE(console->isStarted());
    // No configuration: the graphic panel, 12288 x 8793.6 twips, and the 9600-twip Advanced
    // window beside it, the pair centred.
    EXPECT_NEAR(main().width(), 12288, 1);
    EXPECT_NEAR(main().left(), (24000 - 12288 - ConfigFile::kWindowGap - 9600) / 2.0, 1);
    EXPECT_NEAR(main().top(), (15000 - 8793.6) / 2.0, 1);
    EXPECT_TRUE(onScreen(main()));
    const Form& adv = form(forms::Advanced);
    EXPECT_GE(adv.left(), main().left() + main().width());
    EXPECT_LE(adv.left() + adv.width(), 24000);
    EXPECT_NEAR(adv.top(), main().top(), 1);
}

TEST_F(StartupFiles, AStoredPositionPartlyOffScreenIsCentredAndOneOnScreenKept) {
    writeTable(markerTable());
    writeConfig([](ConsoleState& s) {
        s.GraphicMode = false;
        s.PanelScale = 1.2;     // 11616 x 8144 twips
        s.MainLeft = -4000;     // a third of the window left of the screen
        s.MainTop = 12000;      // most of it below
        s.AdvancedLeft = 20000; // beyond the right edge for a 9600-twip window
        s.AdvancedTop = 300;
    });
    startOnSmallScreen();
    EXPECT_NEAR(main().left(), (24000 - 9680 * 1.2) / 2, 1);
    EXPECT_NEAR(main().top(), (15000 - (500 + 6370 * 1.2)) / 2, 1);
    EXPECT_TRUE(onScreen(main()));
    const Form& adv = form(forms::Advanced);
    EXPECT_GE(adv.left(), 0);
    EXPECT_LE(adv.left() + adv.width(), 24000);
    EXPECT_EQ(adv.top(), 300);
    EXPECT_TRUE(dialogs.messages.empty()) << "moving a window back is not worth a message";

    console->exit_Click();
    console.reset();
    writeConfig([](ConsoleState& s) {
        s.GraphicMode = false;
        s.MainLeft = 1500;
        s.MainTop = 750;
    });
    startOnSmallScreen();
    EXPECT_EQ(main().left(), 1500);
    EXPECT_EQ(main().top(), 750);
}

TEST_F(StartupFiles, ADamagedConfigurationIsKeptAsideAndNamedInOneMessage) {
    writeTable(markerTable());
    writeConfig([](ConsoleState& s) {
        s.slot(13).MemFO_GO = 12; // a fixed memory the player stored
        s.SysexDelay = 20;
    });
    damageConfigLine(6, "fast");
    const QByteArray damaged = fileBytes(cfgPath());
    startOnSmallScreen();
    ASSERT_TRUE(console->isStarted());

    // Defaults, as for a missing file.
    EXPECT_EQ(st().slot(13).MemFO_GO, 0);
    EXPECT_EQ(st().MidiOutDevice, st().MidiOutNoDevice);
    // The damaged file moved aside before anything could write over it.
    const QStringList copies = damagedCopies();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies[0].contains(
        QRegularExpression(QStringLiteral("^vorlo2000\\.CFG\\.damaged-\\d{8}-\\d{6}$"))));
    const QString kept = appFile(copies[0]);
    EXPECT_EQ(fileBytes(kept), damaged);

    // Told in the start-up's one window, with the devices to choose.
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messageTexts().join("\n").toStdString();
    ASSERT_EQ(dialogs.problemWindows.size(), 1u);
    const QString text = dialogs.problemText(QStringLiteral("Configuration"));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(cfgPath())));
    EXPECT_TRUE(text.contains(QStringLiteral("line 6 should hold the tremolo rate (a whole "
                                             "number) but holds \"fast\"")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(kept)));
    EXPECT_TRUE(text.contains(QStringLiteral("go to Setup")));
    EXPECT_EQ(dialogs.problemText(QStringLiteral("Devices")),
              QStringLiteral("Midi devices are unassigned : go to Setup !"));

    // Saving at exit writes the defaults; the kept copy stays as it was.
    console->exit_Click();
    EXPECT_TRUE(fileBytes(cfgPath()).startsWith(appFile(QStringLiteral("vorlo2000.dat")).toUtf8()));
    EXPECT_EQ(fileBytes(kept), damaged);
}

TEST_F(StartupFiles, AConfigurationCutShortSaysWhereItEnds) {
    writeTable(markerTable());
    writeConfig();
    QList<QByteArray> l = fileBytes(cfgPath()).split('\n');
    ASSERT_TRUE(putFile(cfgPath(), l.mid(0, 200).join('\n') + '\n'));
    startOnSmallScreen();
    EXPECT_TRUE(dialogs.problemText(QStringLiteral("Configuration"))
                    .contains(QStringLiteral(
                        "it ends after line 200, where line 201 should hold fixed memory 6")));
    EXPECT_EQ(damagedCopies().size(), 1);

    // An empty file (a full disk may have left one) is said to be empty, and no copy of it is
    // promised.
    console.reset();
    ASSERT_TRUE(putFile(cfgPath(), QByteArray()));
    startOnSmallScreen();
    ASSERT_EQ(dialogs.problemWindows.size(), 2u);
    const QString text = dialogs.problemText(QStringLiteral("Configuration"));
    EXPECT_TRUE(text.contains(QStringLiteral("is damaged: it is empty."))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("no copy of it is kept"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("kept as"))) << text.toStdString();
    EXPECT_EQ(damagedCopies().size(), 1);
}

TEST_F(StartupFiles, OutOfRangeSettingsAreBroughtWithinRangeAndTold) {
    writeTable(markerTable());
    writeConfig([](ConsoleState& s) { s.GraphicMode = false; });
    damageConfigLine(39, " 0 "); // panel size 0
    damageConfigLine(8, " 99 "); // reverb type 99
    startOnSmallScreen();
    ASSERT_TRUE(console->isStarted());
    EXPECT_DOUBLE_EQ(st().PanelScale, 0.8);
    EXPECT_EQ(st().ReverbType, 0);
    ASSERT_EQ(dialogs.problemWindows.size(), 1u);
    EXPECT_EQ(dialogs.problemWindows[0].size(), 1) << "the devices stored are all there";
    const QString text = dialogs.problemText(QStringLiteral("Configuration"));
    EXPECT_TRUE(text.contains(QStringLiteral("line 8 (the reverb type, 0..7): 99 is now 0")));
    EXPECT_TRUE(text.contains(QStringLiteral("line 39 (the standard panel size, times ten, "
                                             "8..16): 0 is now 8")));
    EXPECT_TRUE(damagedCopies().isEmpty()) << "the file is not damaged, only out of range";
    // The reset sent the first reverb, not entry 99 + 22.
    console->RESET_Click();
    EXPECT_TRUE(log().contains(marker(22)));
}

TEST_F(StartupFiles, AMissingOrEmptyStopsTableFallsBackToTheDefaultTable) {
    writeTable(markerTable());
    writeTable(StopTable(), QStringLiteral("empty.dat")); // 431 empty entries, 862 bytes
    ASSERT_TRUE(putFile(appFile(QStringLiteral("nothing.dat")), QByteArray()));
    // Names without a single stop or global message: nothing to play either.
    StopTable names = markerTable();
    for (int n = 0; n < StopTable::kFondiNames; ++n)
        names.set(n, {});
    for (int n = StopTable::kGreatMuteAncie; n <= StopTable::kSwellRestoreMutazioni; ++n)
        names.set(n, {});
    writeTable(names, QStringLiteral("names.dat"));
    for (const char* name : {"gone.dat", "empty.dat", "nothing.dat", "names.dat"}) {
        SCOPED_TRACE(name);
        const QString path = appFile(QString::fromLatin1(name));
        writeConfig([&](ConsoleState& s) { s.DatFilePath = path; });
        dialogs.messages.clear();
        startOnSmallScreen();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_TRUE(dialogs.messages[0].text.startsWith(
            QStringLiteral("Error Loading Stops Table File ") + path));
        EXPECT_EQ(st().DatFilePath, appFile(QStringLiteral("vorlo2000.dat")));
        EXPECT_EQ(st().Table[200], "Fondo 0");
        EXPECT_TRUE(fileBytes(cfgPath()).startsWith(st().DatFilePath.toUtf8() + "\r\n"))
            << "the configuration names the default table";
        console->exit_Click();
        console.reset();
    }
}

TEST_F(StartupFiles, AStopsTableCutShortIsUsedAndTheMessageSaysHowMuchWasRead) {
    writeTable(markerTable());
    // A marker entry takes 2 + 11 bytes, a temperament (entries 10..21) 2 + 22: 1,000 bytes
    // hold 10 x 13 + 12 x 24 + 44 x 13 = 990 bytes of whole entries (66) and part of the 67th.
    const QByteArray whole = *DatFile::serialize(markerTable());
    ASSERT_EQ(whole.left(2), QByteArray("\x0B\x00", 2));
    const QString cut = appFile(QStringLiteral("cut.dat"));
    ASSERT_TRUE(putFile(cut, whole.left(1000)));
    writeConfig([&](ConsoleState& s) { s.DatFilePath = cut; });
    startOnSmallScreen();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const QString text = dialogs.messages[0].text;
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(cut)));
    EXPECT_TRUE(text.contains(QStringLiteral("after 1000 bytes: only 66 of its 431 entries")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1 of its stop and global entries hold data that "
                                             "is not complete F0..F7 messages")))
        << "the entry cut inside its bytes";
    EXPECT_EQ(st().DatFilePath, cut) << "what was read is used";
    EXPECT_EQ(st().Table[65], markerTable()[65]);
    EXPECT_NE(st().Table[66], markerTable()[66]) << "cut inside its bytes";
    EXPECT_TRUE(st().Table[200].isEmpty());
}
