#include "DatFile.h"
#include "support/FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlo;
using vorlo::test::fileBytes;
using vorlo::test::putFile;

TEST(DatFile, EmptyTableIs862BytesAndEntriesAreLengthPrefixedLittleEndian) {
    StopTable t;
    EXPECT_EQ(DatFile::serialize(t)->size(), 862);
    t.set(0, QByteArray(300, 'x'));
    t.set(430, "\xF0\xF7");
    const QByteArray b = *DatFile::serialize(t);
    EXPECT_EQ(b.left(2), QByteArray("\x2C\x01", 2)) << "300 = 0x012C, low byte first";
    EXPECT_EQ(b.right(4), QByteArray("\x02\x00\xF0\xF7", 4));
    EXPECT_EQ(b.size(), 862 + 300 + 2);
}

TEST(DatFile, RoundTripKeepsEveryByteOfDataAndNames) {
    StopTable t;
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        QByteArray e;
        for (int i = 0; i < n % 37; ++i)
            e.append(static_cast<char>((n * 7 + i) & 0xFF));
        t.set(n, e);
    }
    t.set(200, "Principale 8'"); // names are plain bytes too
    t.set(201, "Voce umana \xEC");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("organ.dat"));
    ASSERT_TRUE(DatFile::write(path, t));
    StopTable back;
    ASSERT_TRUE(DatFile::read(path, back).ok);
    EXPECT_EQ(back.entries(), t.entries());
    EXPECT_EQ(*DatFile::serialize(back), fileBytes(path));
}

TEST(DatFile, ShortAndOverlongFilesReadWhatIsThereAndCountTheWholeEntries) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("organ.dat"));
    StopTable t;
    t.set(0, "ABC");
    t.set(1, "DEFGH");
    t.set(2, "IJ");
    const QByteArray full = *DatFile::serialize(t);
    auto readCut = [&](qsizetype bytes, StopTable& back) {
        EXPECT_TRUE(putFile(path, full.left(bytes)));
        return DatFile::read(path, back);
    };
    // Cut inside entry 1: entry 0 whole, entry 1 what is left of it, the rest empty.
    StopTable cut;
    const auto r = readCut(2 + 3 + 2 + 2, cut);
    EXPECT_EQ(r.entriesRead, 1);
    EXPECT_TRUE(r.isShort());
    EXPECT_EQ(r.size, 9);
    EXPECT_EQ(cut[0], "ABC");
    EXPECT_EQ(cut[1], "DE");
    EXPECT_TRUE(cut[2].isEmpty());
    EXPECT_TRUE(cut[430].isEmpty());
    EXPECT_EQ(readCut(2 + 3 + 2 + 5, cut).entriesRead, 2);
    EXPECT_EQ(readCut(0, cut).entriesRead, 0);
    const auto whole = readCut(full.size(), cut);
    EXPECT_EQ(whole.entriesRead, 431);
    EXPECT_FALSE(whole.isShort());
    // Bytes after the 431st string are ignored.
    EXPECT_EQ(DatFile::parse(full + "old tail of a longer file").entries(), t.entries());
}

TEST(DatFile, AnEntryTooLongForItsLengthIsRefusedAndNothingIsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("organ.dat"));
    StopTable good;
    good.set(5, "keep me");
    ASSERT_TRUE(DatFile::write(path, good));
    StopTable bad;
    bad.set(7, QByteArray(65536, '\x7F'));
    QString error;
    EXPECT_FALSE(DatFile::write(path, bad, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("65535")));
    EXPECT_EQ(fileBytes(path), *DatFile::serialize(good));
    StopTable edge;
    edge.set(7, QByteArray(65535, '\x7F'));
    EXPECT_TRUE(DatFile::serialize(edge).has_value());
}

TEST(DatFile, AMissingFileIsReportedAndLeavesTheTableAlone) {
    StopTable t;
    t.set(3, "unchanged");
    const auto r = DatFile::read(QStringLiteral("/nonexistent/organ.dat"), t);
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(t[3], "unchanged");
}
