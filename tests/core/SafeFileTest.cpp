#include "SafeFile.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vorlo;
using namespace vorlo::test;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

TEST(SafeFile, AFullOrReadOnlyDiskKeepsTheOldFileAndSaysWhy) {
    SmallDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << disk.reason().toStdString();
    const QString path = disk.file(QStringLiteral("saved.CFG"));
    const QByteArray old(2132, 'o');
    ASSERT_TRUE(SafeFile::write(path, old));
    disk.fill();

    // A small file (held in a buffer until the end) and a large one (written at once).
    for (const int size : {2200, 100000}) {
        QString error;
        EXPECT_FALSE(SafeFile::write(path, QByteArray(size, 'n'), &error)) << size;
        EXPECT_FALSE(error.isEmpty()) << size;
        EXPECT_EQ(contents(path), old) << size;
    }
    EXPECT_EQ(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({".filler", "saved.CFG"}))
        << "no temporary file is left behind";

    disk.makeRoom();
    ASSERT_TRUE(disk.remountReadOnly());
    QString error;
    EXPECT_FALSE(SafeFile::write(path, QByteArray(10, 'n'), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(contents(path), old);
}
