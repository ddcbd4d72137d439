#include "GifWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using vorlo::artgen::GifWriter;

namespace {

QImage decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QImage image = reader.read();
    EXPECT_FALSE(image.isNull()) << reader.errorString().toStdString();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// Pseudo-random but fixed colours, so the LZW table fills up and must be cleared.
QImage noisyImage(int w, int h, int colours) {
    QImage img(w, h, QImage::Format_ARGB32);
    quint32 s = 12345;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            s = s * 1103515245u + 12345u;
            const int i = int((s >> 16) % quint32(colours));
            img.setPixel(x, y, qRgb(i, (i * 37) & 255, (i * 91) & 255));
        }
    }
    return img;
}

// A strict LZW decoder for the test: it fails on any code it does not know, and insists that
// the end code comes at exactly the width it expects and that nothing but padding follows.
bool strictDecode(const QByteArray& data, int minCodeSize, std::vector<std::uint8_t>* out) {
    const int clear = 1 << minCodeSize;
    const int end = clear + 1;
    std::vector<std::vector<std::uint8_t>> table;
    auto reset = [&] {
        table.assign(clear + 2, {});
        for (int i = 0; i < clear; ++i)
            table[i] = {std::uint8_t(i)};
    };
    reset();
    int width = minCodeSize + 1;
    qsizetype bit = 0;
    int previous = -1;
    for (;;) {
        if (bit + width > data.size() * 8)
            return false; // ran out of data before the end code
        int code = 0;
        for (int i = 0; i < width; ++i, ++bit)
            code |= ((quint8(data[bit / 8]) >> (bit % 8)) & 1) << i;
        if (code == clear) {
            reset();
            width = minCodeSize + 1;
            previous = -1;
            continue;
        }
        if (code == end)
            return (bit + 7) / 8 == data.size(); // only padding may follow
        std::vector<std::uint8_t> entry;
        if (code < int(table.size()) && (code >= clear + 2 || code < clear)) {
            entry = table[code];
        } else if (code == int(table.size()) && previous >= 0) {
            entry = table[previous];
            entry.push_back(table[previous][0]);
        } else {
            return false;
        }
        out->insert(out->end(), entry.begin(), entry.end());
        if (previous >= 0 && table.size() < 4096) {
            std::vector<std::uint8_t> added = table[previous];
            added.push_back(entry[0]);
            table.push_back(added);
            if (int(table.size()) == (1 << width) && width < 12)
                ++width;
        }
        previous = code;
    }
}

void expectSamePixels(const QImage& expected, const QImage& actual) {
    ASSERT_EQ(expected.size(), actual.size());
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            const QRgb a = actual.pixel(x, y);
            if (qAlpha(e) < 128) {
                ASSERT_EQ(qAlpha(a), 0) << "at " << x << "," << y;
            } else {
                ASSERT_EQ(a, e | 0xFF000000u) << "at " << x << "," << y;
            }
        }
    }
}

} // namespace

TEST(GifWriter, WritesAGif89aHeaderAndTrailer) {
    const QByteArray gif = GifWriter::encode(noisyImage(5, 3, 4));
    EXPECT_TRUE(gif.startsWith("GIF89a"));
    EXPECT_EQ(gif.back(), ';');
    EXPECT_EQ(quint8(gif[6]) | quint8(gif[7]) << 8, 5); // logical screen width
    EXPECT_EQ(quint8(gif[8]) | quint8(gif[9]) << 8, 3);
}

TEST(GifWriter, FewColoursRoundTripExactlyThroughQt) {
    const QImage img = noisyImage(37, 23, 6);
    expectSamePixels(img, decode(GifWriter::encode(img)));
}

TEST(GifWriter, FullCodeTableIsClearedAndStillDecodes) {
    // 256 colours of noise on 300 x 300 pixels fills the 4096-entry table many times over.
    const QImage img = noisyImage(300, 300, 256);
    expectSamePixels(img, decode(GifWriter::encode(img)));
}

TEST(GifWriter, LongRunsGrowTheCodeWidthCorrectly) {
    // One colour: the strings grow long, the table fills slowly through every code width.
    QImage img(640, 480, QImage::Format_ARGB32);
    img.fill(qRgb(10, 200, 30));
    img.setPixel(639, 479, qRgb(200, 10, 30));
    expectSamePixels(img, decode(GifWriter::encode(img)));
}

TEST(GifWriter, TransparentPixelsBecomeTheTransparentIndex) {
    QImage img = noisyImage(16, 16, 200);
    for (int i = 0; i < 16; ++i) {
        img.setPixel(i, 0, qRgba(0, 0, 0, 0));
        img.setPixel(0, i, qRgba(255, 255, 255, 20));
    }
    const QImage back = decode(GifWriter::encode(img));
    expectSamePixels(img, back);
    EXPECT_TRUE(back.hasAlphaChannel());
}

TEST(GifWriter, ManyColoursAreReducedToAClosePalette) {
    QImage img(256, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x)
            img.setPixel(x, y, qRgb(x, y * 4, 255 - x));
    }
    const QImage back = decode(GifWriter::encode(img));
    ASSERT_EQ(back.size(), img.size());
    QSet<QRgb> used;
    int worst = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 256; ++x) {
            const QRgb a = back.pixel(x, y);
            const QRgb e = img.pixel(x, y);
            used.insert(a);
            worst = std::max({worst, std::abs(qRed(a) - qRed(e)), std::abs(qGreen(a) - qGreen(e)),
                              std::abs(qBlue(a) - qBlue(e))});
        }
    }
    EXPECT_LE(used.size(), 256);
    EXPECT_GT(used.size(), 128); // the palette is really used, not a handful of colours
    EXPECT_LE(worst, 24);
}

TEST(GifWriter, SinglePixelAndTwoColourImagesDecode) {
    QImage one(1, 1, QImage::Format_ARGB32);
    one.fill(qRgb(1, 2, 3));
    expectSamePixels(one, decode(GifWriter::encode(one)));
    const QImage two = noisyImage(9, 7, 2);
    expectSamePixels(two, decode(GifWriter::encode(two)));
}

TEST(GifWriter, CodeStreamsEndCleanlyWhateverTheirLength) {
    // Every length from 1 to 700 indices of 4-colour noise, so the end code falls at each
    // possible point of the table's growth.
    quint32 s = 99;
    std::vector<std::uint8_t> indices;
    for (int n = 1; n <= 700; ++n) {
        s = s * 1103515245u + 12345u;
        indices.push_back(std::uint8_t((s >> 16) & 3));
        std::vector<std::uint8_t> back;
        ASSERT_TRUE(strictDecode(GifWriter::compress(indices, 2), 2, &back)) << "length " << n;
        ASSERT_EQ(back, indices) << "length " << n;
    }
}
