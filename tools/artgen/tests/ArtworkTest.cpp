#include "Artwork.h"
#include "KeyMapPicture.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using vorlo::artgen::Artwork;
using vorlo::artgen::KeyMapPicture;

namespace {

struct Expected {
    const char* name;
    const char* format; // as QImageReader detects it from the content
    int width;
    int height;
};

// Every file the program looks up beside itself, at the size the panels show it.
const Expected kFiles[] = {
    {"tavola.jpg", "jpeg", 819, 586},      {"stucco.gif", "gif", 73, 21},
    {"tirante_on.jpg", "jpeg", 21, 21},    {"tirante_off.jpg", "jpeg", 21, 21},
    {"tirante_on_go.jpg", "jpeg", 21, 21}, {"tirante_off_go.jpg", "jpeg", 21, 21},
    {"tirante_on_sw.jpg", "jpeg", 21, 21}, {"tirante_off_sw.jpg", "jpeg", 21, 21},
    {"green-on.gif", "gif", 16, 16},       {"green-off.gif", "gif", 16, 16},
    {"red-on.gif", "gif", 16, 16},         {"red-off.gif", "gif", 16, 16},
    {"yellow-on.gif", "gif", 16, 16},      {"bach.ico", "ico", 32, 32},
    {"light.ico", "ico", 32, 32},          {"wrench.ico", "ico", 32, 32},
    {"pingu1.ico", "ico", 32, 32},         {"panda1.ico", "ico", 32, 32},
    {"Alph1f.ico", "ico", 32, 32},         {"flgitaly.ico", "ico", 32, 32},
    {"lookout.ico", "ico", 32, 32},        {"about.jpg", "jpeg", 320, 200},
    {"tastiera.bmp", "bmp", 1000, 336},
};

// Drawn once for all the tests of this file.
class ArtworkTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        s_dir = new QTemporaryDir;
        ASSERT_TRUE(s_dir->isValid());
        QString error;
        ASSERT_TRUE(Artwork::writeAll(s_dir->filePath(QStringLiteral("out")), &error))
            << error.toStdString();
    }
    static void TearDownTestSuite() {
        delete s_dir;
        s_dir = nullptr;
    }
    static QString path(const char* name) {
        return s_dir->filePath(QStringLiteral("out/") + QLatin1String(name));
    }
    static QImage load(const char* name) {
        return QImage(path(name)).convertToFormat(QImage::Format_ARGB32);
    }
    static QTemporaryDir* s_dir;
};

QTemporaryDir* ArtworkTest::s_dir = nullptr;

double meanLuma(const QImage& img, const QRect& area) {
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            sum += qGray(img.pixel(x, y));
    return sum / (area.width() * area.height());
}

} // namespace

TEST_F(ArtworkTest, WritesExactlyTheExpectedFiles) {
    QStringList expected;
    for (const Expected& e : kFiles)
        expected.append(QLatin1String(e.name));
    QStringList written = QDir(s_dir->filePath(QStringLiteral("out"))).entryList(QDir::Files);
    expected.sort();
    written.sort();
    EXPECT_EQ(written, expected);
    EXPECT_EQ(Artwork::fileNames().size(), expected.size());
}

TEST_F(ArtworkTest, EveryFileDecodesWithQtAtItsSizeAndFormat) {
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.name);
        QImageReader reader(path(e.name));
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(e.format));
        const QImage img = reader.read();
        ASSERT_FALSE(img.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(img.width(), e.width);
        EXPECT_EQ(img.height(), e.height);
    }
}

TEST_F(ArtworkTest, LedsAndIconsAreTransparentAroundTheirShape) {
    for (const char* name : {"green-on.gif", "red-off.gif", "bach.ico", "wrench.ico"}) {
        SCOPED_TRACE(name);
        const QImage img = load(name);
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(img.pixel(img.width() / 2, img.height() / 2 + 2)), 255);
    }
}

TEST_F(ArtworkTest, LitLedsAreBrighterThanDarkOnes) {
    const QRect lens(5, 5, 6, 6);
    EXPECT_GT(meanLuma(load("green-on.gif"), lens), meanLuma(load("green-off.gif"), lens) + 60);
    EXPECT_GT(meanLuma(load("red-on.gif"), lens), meanLuma(load("red-off.gif"), lens) + 40);
    const QImage yellow = load("yellow-on.gif");
    EXPECT_GT(qRed(yellow.pixel(9, 9)), qBlue(yellow.pixel(9, 9)) + 80);
}

TEST_F(ArtworkTest, DrawnKnobsAreLitAndEachDivisionHasItsOwnFace) {
    const QRect face(7, 7, 6, 6);
    for (const char* suffix : {"", "_go", "_sw"}) {
        SCOPED_TRACE(suffix);
        const QImage on =
            load(QStringLiteral("tirante_on%1.jpg").arg(suffix).toLatin1().constData());
        const QImage off =
            load(QStringLiteral("tirante_off%1.jpg").arg(suffix).toLatin1().constData());
        EXPECT_GT(meanLuma(on, face), meanLuma(off, face) + 25);
    }
    // The Great face is warmer (more red than blue) than the Swell face.
    const QImage great = load("tirante_on_go.jpg");
    const QImage swell = load("tirante_on_sw.jpg");
    auto warmth = [](const QImage& img) {
        int w = 0;
        for (int y = 4; y < 17; ++y)
            for (int x = 4; x < 17; ++x)
                w += qRed(img.pixel(x, y)) - qBlue(img.pixel(x, y));
        return w;
    };
    EXPECT_GT(warmth(great), warmth(swell) + 13 * 13 * 15);
}

TEST_F(ArtworkTest, KnobCornersMatchTheBackgroundPanels) {
    // JPEG knobs have no transparency: their corners must be the wood tone of the panels.
    const QImage knob = load("tirante_off_go.jpg");
    const QImage wood = load("tavola.jpg");
    const double corner = meanLuma(knob, QRect(0, 0, 2, 2));
    const double panel = meanLuma(wood, QRect(20, 100, 200, 300));
    EXPECT_NEAR(corner, panel, 14);
}

TEST_F(ArtworkTest, DrawingIsReproducible) {
    QTemporaryDir again;
    QString error;
    ASSERT_TRUE(Artwork::writeAll(again.path(), &error)) << error.toStdString();
    for (const Expected& e : kFiles) {
        SCOPED_TRACE(e.name);
        QFile a(path(e.name));
        QFile b(QDir(again.path()).filePath(QLatin1String(e.name)));
        ASSERT_TRUE(a.open(QIODevice::ReadOnly));
        ASSERT_TRUE(b.open(QIODevice::ReadOnly));
        EXPECT_TRUE(a.readAll() == b.readAll());
    }
}

TEST(KeyMapPicture, LabelsFollowTheTotalRecallMap) {
    EXPECT_EQ(KeyMapPicture::labelOf(38).first, QStringLiteral("Position 14"));
    EXPECT_EQ(KeyMapPicture::labelOf(60).memory, 1);
    EXPECT_EQ(KeyMapPicture::labelOf(71).memory, 12);
    EXPECT_EQ(KeyMapPicture::labelOf(72).memory, 1);
    EXPECT_EQ(KeyMapPicture::labelOf(83).memory, 12);
    for (int key : {59, 88, 95})
        EXPECT_EQ(KeyMapPicture::labelOf(key).first, QStringLiteral("Panic"));
    for (int key = KeyMapPicture::kFirstKey; key <= KeyMapPicture::kLastKey; ++key)
        EXPECT_TRUE(KeyMapPicture::labelOf(key).memory > 0 ||
                    !KeyMapPicture::labelOf(key).first.isEmpty());
    // 35 white keys from C2 to B6.
    int white = 0;
    for (int key = KeyMapPicture::kFirstKey; key <= KeyMapPicture::kLastKey; ++key)
        white += KeyMapPicture::isBlack(key) ? 0 : 1;
    EXPECT_EQ(white, 35);
}
