#include "SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlo;

TEST(SettingsFile, AChangeRewritesOnlyItsOwnLineAndReadsBackAsWritten) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QString::fromLatin1(SettingsFile::FileName));
    auto bytes = [&path] {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("; chosen by hand\r\n[Synth]\r\nSoundFont=C:\\\\organ\\\\gs.sf2\r\n\r\n"
                "[Output]\r\nWireSpeed=0\r\n");
    }
    SettingsFile settings(dir.path());
    ASSERT_TRUE(settings.setValue(QStringLiteral("Output/WireSpeed"), 31250));
    ASSERT_TRUE(settings.setValue(QStringLiteral("Synth/BuiltInSelected"), true));
    ASSERT_TRUE(settings.setValue(QStringLiteral("Panel/Note"), QStringLiteral(" a, \"b\" ")));
    EXPECT_EQ(bytes(), "; chosen by hand\r\n[Synth]\r\nSoundFont=C:\\\\organ\\\\gs.sf2\r\n"
                       "BuiltInSelected=true\r\n\r\n[Output]\r\nWireSpeed=31250\r\n\r\n"
                       "[Panel]\r\nNote=\" a, \\\"b\\\" \"\r\n");
    EXPECT_EQ(settings.value(QStringLiteral("Synth/SoundFont")).toString(),
              QStringLiteral("C:\\organ\\gs.sf2"));
    EXPECT_TRUE(settings.value(QStringLiteral("Synth/BuiltInSelected")).toBool());
    EXPECT_EQ(settings.value(QStringLiteral("Output/WireSpeed")).toInt(), 31250);
    EXPECT_EQ(settings.value(QStringLiteral("Panel/Note")).toString(),
              QStringLiteral(" a, \"b\" "));
}
