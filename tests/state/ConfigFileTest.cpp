#include "ConfigFile.h"
#include "ConsoleState.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlo;
using vorlo::test::fileBytes;
using vorlo::test::putFile;

namespace {

const ScreenContext kScreen{28800, 16200, 9680, 6870};

ConsoleState sample() {
    ConsoleState s;
    s.AppDir = QStringLiteral("/opt/vorlo");
    s.DatFilePath = QString::fromUtf8("/home/organista/Organi/Chiesa di Sant\u00C0ngelo.dat");
    s.MidiIn1Device = 0;
    s.MidiIn2Device = 3;
    s.MidiOutDevice = 1;
    s.Temperament = 4;
    s.TremoloRate = 87;
    s.TremoloType = 1;
    s.ReverbType = 6;
    s.TemperamentStart = 9;
    s.ThruMode = 2;
    s.ThruCustom = {6, 0, 15, 0};
    s.NoteDelay = 12;
    s.SysexDelay = 33;
    s.MemoryLabelMode = 2;
    s.MemoryLedsShown = true;
    s.RecallGlobals = 1;
    s.RecallBalance = 0;
    s.GlobalCoupling = 2;
    s.SaveCfgOnExit = 1;
    s.AdvancedTop = 1200;
    s.AdvancedLeft = 300.5f;
    s.MainTop = 0;
    s.MainLeft = 4500;
    s.InputFilter = {true, false, true, true, false, false, true, false};
    s.StopFont = {QStringLiteral("Times New Roman"), 9, false, true};
    s.GraphicMode = false;
    s.PanelScale = 1.4;
    // Every memory value different and within what the console can set.
    const int top[kFieldCount] = {29,  29,  19,  19,  19, 19, 19, 1, 1, 127, 127, 127, 127, 127,
                                  127, 127, 127, 127, 2,  2,  3,  1, 1, 1,   1,   1,   1,   1};
    for (int slot = 13; slot <= 24; ++slot)
        for (int f = 0; f < kFieldCount; ++f)
            s.slot(slot)[static_cast<SlotField>(f)] =
                static_cast<int16_t>((slot * 7 + f) % (top[f] + 1));
    return s;
}

QList<QByteArray> lines(const QByteArray& bytes) {
    QList<QByteArray> l = bytes.split('\n');
    l.removeLast();
    return l;
}

} // namespace

TEST(ConfigFile, WritesTheFixedLayoutWithBlanksAroundNumbersAndCrLf) {
    const QByteArray bytes = ConfigFile::serialize(sample());
    const QList<QByteArray> l = lines(bytes);
    ASSERT_EQ(l.size(), 375);
    for (const QByteArray& line : l)
        EXPECT_TRUE(line.endsWith('\r'));
    EXPECT_EQ(l[0], QByteArray("/home/organista/Organi/Chiesa di Sant\xC0ngelo.dat\r"));
    EXPECT_EQ(l[1], " 0 \r");
    EXPECT_EQ(l[2], " 3 \r");
    EXPECT_EQ(l[16], " 1 \r") << "LEDs shown";
    EXPECT_EQ(l[22], " 300.5 \r");
    EXPECT_EQ(l[25], "1\r") << "filters are the texts 1 and 0";
    EXPECT_EQ(l[26], "0\r");
    EXPECT_EQ(l[33], " 0 \r") << "not bold: the number 0";
    EXPECT_EQ(l[34], "Times New Roman\r");
    EXPECT_EQ(l[36], "1\r") << "italic: the text 1";
    EXPECT_EQ(l[37], " 0 \r");
    EXPECT_EQ(l[38], " 14 \r") << "panel scale times ten";
    EXPECT_EQ(l[39], " 1 \r") << "first field of fixed memory 13 is 13*7 mod 30";
}

TEST(ConfigFile, ReadsBackEveryFieldWhateverBlanksSurroundTheNumbers) {
    const ConsoleState original = sample();
    QByteArray bytes = ConfigFile::serialize(original);
    // Re-space every number line: tabs, no blanks, several blanks.
    QList<QByteArray> l = lines(bytes);
    QByteArray respaced;
    for (int i = 0; i < l.size(); ++i) {
        QByteArray line = l[i];
        line.chop(1);
        if (i != 0 && i != 34)
            line = (i % 3 == 0 ? "\t" : i % 3 == 1 ? "" : "   ") + line.trimmed() + "  ";
        respaced += line + "\r\n";
    }
    ConsoleState read;
    ASSERT_TRUE(ConfigFile::parse(respaced, read, kScreen));
    EXPECT_EQ(ConfigFile::serialize(read), bytes);
    EXPECT_EQ(read.DatFilePath, original.DatFilePath);
    EXPECT_EQ(read.ThruCustom[2], 15);
    EXPECT_FLOAT_EQ(read.AdvancedLeft, 300.5f);
    EXPECT_EQ(read.StopFont, original.StopFont);
    EXPECT_DOUBLE_EQ(read.PanelScale, 1.4);
    EXPECT_EQ(read.slot(24).MemBalAN_SW, original.slot(24).MemBalAN_SW);
}

TEST(ConfigFile, AFileCutShortOrDamagedInstallsTheDefaultsButKeepsFiveFieldsRead) {
    const QList<QByteArray> full = lines(ConfigFile::serialize(sample()));
    for (int cut : {0, 5, 12, 20, 38, 200, 374}) {
        ConsoleState read;
        read.AppDir = QStringLiteral("/prog");
        read.MidiIn1NoDevice = 4;
        read.MidiIn2NoDevice = 4;
        read.MidiOutNoDevice = 2;
        EXPECT_FALSE(ConfigFile::parse(full.mid(0, cut).join('\n') + '\n', read, kScreen))
            << "cut at " << cut;
        // The defaults, whatever was read before the cut.
        EXPECT_EQ(read.MidiOutDevice, 2);
        EXPECT_EQ(read.DatFilePath, QStringLiteral("/prog/vorlo2000.dat"));
        EXPECT_EQ(read.TremoloRate, 100);
        EXPECT_EQ(read.slot(24).MemFO_GO, 0);
        EXPECT_EQ(read.slot(24).MemExprPE, 127);
        // Read before the cut, and not among the defaults.
        EXPECT_EQ(read.TemperamentStart, cut > 8 ? 9 : 0);
        EXPECT_EQ(read.ThruCustom[0], cut > 10 ? 6 : 0);
        EXPECT_EQ(read.GlobalCoupling, cut > 19 ? 2 : 0);
    }
    // A line that is not a number is as bad as a missing one.
    QList<QByteArray> damaged = full;
    damaged[5] = "fast\r";
    ConsoleState read;
    EXPECT_FALSE(ConfigFile::parse(damaged.join('\n') + '\n', read, kScreen));
    EXPECT_EQ(read.TremoloRate, 100);
    damaged = full;
    damaged[100] = " 70000 \r"; // beyond 16 bits
    EXPECT_FALSE(ConfigFile::parse(damaged.join('\n') + '\n', read, kScreen));
}

TEST(ConfigFile, ValuesBeyondWhatTheConsoleCanSetAreBroughtWithinRangeAndNamedByLine) {
    QList<QByteArray> l = lines(ConfigFile::serialize(sample()));
    l[14] = " 32767 \r"; // sysex delay: the set-up slider goes to 100 ms
    l[13] = "-5 \r";     // note delay
    l[5] = " 300 \r";    // tremolo rate
    l[7] = " 99 \r";     // reverb type: entry 99 + 22 would go out as the reverb
    l[9] = " 7 \r";      // thru mode: anything but 1 and 2 rechannels nothing
    l[35] = " 400 \r";   // font size
    l[38] = " 0 \r";     // panel size
    l[39] = " 50 \r";    // fixed memory 1, Great Fondi stop
    l[48] = " 300 \r";   // fixed memory 1, Great level
    l[46] = " 5 \r";     // fixed memory 1, Great tremolo: on only when 1
    l[60] = "-1 \r";     // fixed memory 1, Great Fondi cancel: muted only when 0
    l[16] = " 2 \r";     // LEDs: flags other than 1 read as false
    l[33] = " 5 \r";     // bold
    l[37] = "-1 \r";     // graphic mode
    ConsoleState read;
    const ConfigFile::ReadResult r = ConfigFile::parse(l.join('\n') + '\n', read, kScreen);
    ASSERT_TRUE(r);
    EXPECT_EQ(read.SysexDelay, 100);
    EXPECT_EQ(read.NoteDelay, 0);
    EXPECT_EQ(read.TremoloRate, 127);
    EXPECT_EQ(read.ReverbType, 0);
    EXPECT_EQ(read.ThruMode, 0);
    EXPECT_EQ(read.StopFont.size, 72);
    EXPECT_DOUBLE_EQ(read.PanelScale, 0.8);
    EXPECT_EQ(read.slot(13).MemFO_GO, 29);
    EXPECT_EQ(read.slot(13).MemExprGO, 127);
    EXPECT_EQ(read.slot(13).MemTremGO, 0);
    EXPECT_EQ(read.slot(13).MemAnnullGO[0], 1);
    EXPECT_FALSE(read.MemoryLedsShown);
    EXPECT_FALSE(read.StopFont.bold);
    EXPECT_FALSE(read.GraphicMode);
    ASSERT_EQ(r.adjusted.size(), 11);
    EXPECT_EQ(
        r.adjusted[4],
        QStringLiteral("line 15 (the sysex delay in milliseconds, 0..100): 32767 is now 100"));
    EXPECT_EQ(r.adjusted[7], QStringLiteral("line 40 (fixed memory 1, Great Fondi stop, 0..29): "
                                            "50 is now 29"));
    // Values within range are read as they are, and nothing is reported.
    ConsoleState plain;
    const ConfigFile::ReadResult good =
        ConfigFile::parse(ConfigFile::serialize(sample()), plain, kScreen);
    EXPECT_TRUE(good.adjusted.isEmpty());
    EXPECT_EQ(ConfigFile::serialize(plain), ConfigFile::serialize(sample()));
}

// Where the screen has no room for both windows of the default (graphic) panel side by side,
// both are centred.
TEST(ConfigFile, DefaultsCentreBothWindowsOnAScreenTooNarrowForThePair) {
    ScreenContext screen(21000, 15000);
    screen.mainSizeFor = [](const ConsoleState&) { return QSizeF(12288, 8793.6); };
    screen.advancedWidth = 9600;
    screen.advancedHeight = 6000;
    ConsoleState fresh;
    ConfigFile::installDefaults(fresh, screen);
    EXPECT_FLOAT_EQ(fresh.MainLeft, (21000 - 12288) / 2.0f);
    EXPECT_FLOAT_EQ(fresh.AdvancedLeft, fresh.MainLeft);
}

TEST(ConfigFile, ADamagedFileIsMovedAsideUnderADatedName) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vorlo2000.CFG"));
    const QDateTime when(QDate(2026, 12, 6), QTime(17, 15, 0));
    ASSERT_TRUE(putFile(path, "first damaged\r\n"));
    QString error;
    const QString kept = ConfigFile::keepDamaged(path, when, &error);
    EXPECT_EQ(kept, path + QStringLiteral(".damaged-20261206-171500"));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(putFile(path, "second damaged\r\n"));
    const QString again = ConfigFile::keepDamaged(path, when, &error);
    EXPECT_EQ(again, path + QStringLiteral(".damaged-20261206-171500-2"));
    EXPECT_EQ(fileBytes(kept), "first damaged\r\n") << "an earlier copy is never replaced";
    EXPECT_TRUE(
        ConfigFile::keepDamaged(dir.filePath(QStringLiteral("gone.CFG")), when, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}
