// vorlo-datgen as the build and an organist use it: reproducible builds, dump and rebuild, and
// bad input refused without touching the output.
#include "BuiltTable.h"
#include "DatFile.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kTimeoutMs = 30000;

struct ToolRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ToolRun datgen(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(VORLO_DATGEN), args);
    ToolRun r;
    if (!p.waitForFinished(kTimeoutMs) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

const QString kSource = QStringLiteral(VORLO_ORGAN_SOURCE);

} // namespace

TEST(Datgen, BuildingTheSourceAgainGivesTheSameBytes) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString a = dir.filePath("a.dat");
    const QString b = dir.filePath("b.dat");
    ASSERT_EQ(datgen({"build", kSource, a}).exitCode, kOk);
    ASSERT_EQ(datgen({"build", kSource, b}).exitCode, kOk);
    const QByteArray first = readAll(a);
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(first, readAll(b));
    EXPECT_EQ(first, readAll(BuiltTable::path())) << "the program folder holds another table";
}

TEST(Datgen, AnyTableDumpsAndRebuildsAsTheConsoleReadsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // Arbitrary bytes, names with quotes and backslashes, a broken message and a file that ends
    // in the middle of an entry.
    QByteArray odd;
    auto entry = [&odd](const QByteArray& e) {
        odd.append(static_cast<char>(e.size() & 0xFF));
        odd.append(static_cast<char>(e.size() >> 8));
        odd.append(e);
    };
    entry(QByteArray::fromHex("f04110421240007f0041f7"));
    entry(QByteArrayLiteral("Tromba \"en chamade\" 8' \\ 4'"));
    entry(QByteArray::fromHex("00ff1f7f80f0f7f0"));
    entry(QByteArray::fromHex("e9e8e0f2")); // accented names in Windows-1252
    entry(QByteArray());
    odd.append(QByteArray::fromHex("0a00414243")); // says 10 bytes, holds 3
    const QString file = dir.filePath("odd.dat");
    ASSERT_TRUE(writeAll(file, odd));
    // The default organ, whole, comes back byte for byte.
    for (const QString& table : {BuiltTable::path(), file}) {
        const QString text = dir.filePath("dump.txt");
        const QString rebuilt = dir.filePath("rebuilt.dat");
        const ToolRun dump = datgen({"dump", table});
        ASSERT_EQ(dump.exitCode, kOk) << dump.err.toStdString();
        ASSERT_EQ(datgen({"dump", table, text}).exitCode, kOk);
        EXPECT_EQ(readAll(text), dump.out) << "the file and standard output differ";
        const ToolRun build = datgen({"build", text, rebuilt});
        ASSERT_EQ(build.exitCode, kOk) << build.err.toStdString();
        if (table == file) {
            const vorlo::StopTable expected = vorlo::DatFile::parse(odd);
            const vorlo::StopTable got = vorlo::DatFile::parse(readAll(rebuilt));
            for (int n = 0; n < vorlo::StopTable::kEntryCount; ++n)
                EXPECT_EQ(got[n], expected[n]) << "entry " << n;
        } else {
            EXPECT_EQ(dump.out.count("\nentry "), 431);
            EXPECT_EQ(readAll(rebuilt), readAll(table));
        }
    }
}

TEST(Datgen, BadSourcesAreRefusedWithTheirPlaceAndTheOldTableKept) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray source = readAll(kSource);
    ASSERT_FALSE(source.isEmpty());
    const struct {
        QByteArray text;
        const char* where;
    } cases[] = {
        {QByteArrayLiteral("{ \"stops\": "), "JSON"},
        {QByteArray(source).replace("\"Tromba 8'\", \"reinforce\": true, \"ranks\": [[\"tromba\"",
                                    "\"Tromba 8'\", \"reinforce\": true, \"ranks\": [[\"trumpet\""),
         "stops.ance[1].ranks[0]"},
        {QByteArray(source).replace("[\"principale\", \"8'\", 104]]",
                                    "[\"principale\", \"8'\", 0]]"),
         "stops.fondi[1].ranks[0][2]"},
        {QByteArray(source).replace("\"-1/4 SC\", \"-1/4 SC\", \"-1/4 SC\", \"-1/4 SC\", \"0\"",
                                    "\"-1/4 SC\", \"-1/4 SC\", \"-1/4 SC\", \"-1/3 SC\", \"0\""),
         "temperaments[8].fifths"},
        {QByteArrayLiteral("entry 0 3 sysex\n  F0 F7\n"), "line 1"},
        {QByteArrayLiteral("entry 431 0 empty\n"), "line 1"},
    };
    const QString out = dir.filePath("out.dat");
    const QByteArray previous = QByteArrayLiteral("previous table");
    for (const auto& c : cases) {
        ASSERT_NE(c.text, source) << c.where << ": the case does not change the source";
        const QString in = dir.filePath("in.json");
        ASSERT_TRUE(writeAll(in, c.text));
        ASSERT_TRUE(writeAll(out, previous));
        const ToolRun r = datgen({"build", in, out});
        EXPECT_EQ(r.exitCode, kFailed) << c.where;
        EXPECT_TRUE(r.err.contains(c.where)) << c.where << ": " << r.err.toStdString();
        EXPECT_EQ(readAll(out), previous) << c.where << ": the old table was overwritten";
    }
}

TEST(Datgen, MissingFilesAndWrongArgumentsFailCleanly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(datgen({"build", dir.filePath("none.json"), dir.filePath("x.dat")}).exitCode,
              kFailed);
    EXPECT_FALSE(QFile::exists(dir.filePath("x.dat")));
    EXPECT_EQ(datgen({"dump", dir.filePath("none.dat")}).exitCode, kFailed);
    EXPECT_EQ(datgen({}).exitCode, kUsage);
    EXPECT_EQ(datgen({"compile", kSource}).exitCode, kUsage);
}

TEST(Datgen, SizesPrintsTheResetAndGeneralMemoryOfAnyTableAndRefusesAMissingFile) {
    auto resetBytes = [](const QByteArray& out) {
        const QString text = QString::fromUtf8(out);
        const QRegularExpression line(QStringLiteral("Reset [^:]*: (\\d+) bytes"));
        const auto m = line.match(text);
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    const ToolRun now = datgen({"sizes", BuiltTable::path()});
    const ToolRun before = datgen({"sizes", QStringLiteral(VORLO_PREVIOUS_ORGAN_TABLE)});
    ASSERT_EQ(now.exitCode, kOk) << now.err.toStdString();
    ASSERT_EQ(before.exitCode, kOk) << before.err.toStdString();
    EXPECT_TRUE(now.out.contains("General memory changing all seven groups"));
    EXPECT_TRUE(now.out.contains("Great Fondi"));
    EXPECT_GT(resetBytes(now.out), 0);
    EXPECT_LT(resetBytes(now.out), resetBytes(before.out));

    QTemporaryDir dir;
    const ToolRun missing = datgen({"sizes", dir.filePath("none.dat")});
    EXPECT_EQ(missing.exitCode, kFailed);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(datgen({"sizes"}).exitCode, kUsage);
}
