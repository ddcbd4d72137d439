#include "GifWriter.h"

#include "BitPacker.h"
#include "ColourQuantiser.h"

#include <QHash>
#include <QSaveFile>

#include <unordered_map>

namespace vorlo::artgen {

namespace {

constexpr int kMaxCodes = 4096; // codes are at most 12 bits wide

void putWord(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void putByte(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
}

} // namespace

QByteArray GifWriter::compress(const std::vector<std::uint8_t>& indices, int minCodeSize) {
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitPacker bits;
    std::unordered_map<std::uint32_t, int> table;
    int codeSize = minCodeSize + 1;
    int nextCode = endCode + 1;

    bits.put(clearCode, codeSize);
    if (indices.empty()) {
        bits.put(endCode, codeSize);
        return bits.finish();
    }
    int prefix = indices[0];
    for (size_t i = 1; i < indices.size(); ++i) {
        const int c = indices[i];
        const std::uint32_t key =
            (static_cast<std::uint32_t>(prefix) << 8) | static_cast<std::uint32_t>(c);
        const auto found = table.find(key);
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        bits.put(prefix, codeSize);
        if (nextCode < kMaxCodes) {
            // The decoder learns each entry one code later than we do, so the width grows once
            // an entry that no longer fits the current width has been made.
            if (nextCode == (1 << codeSize))
                ++codeSize;
            table.emplace(key, nextCode++);
        } else {
            bits.put(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = c;
    }
    bits.put(prefix, codeSize);
    // Reading that last code, the decoder makes the entry we made last, and widens its codes
    // if that entry filled the current width: the end code must come at the new width.
    if (nextCode == (1 << codeSize) && codeSize < 12)
        ++codeSize;
    bits.put(endCode, codeSize);
    return bits.finish();
}

QByteArray GifWriter::encode(const QImage& image) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    const int w = src.width();
    const int h = src.height();

    bool anyTransparent = false;
    for (int y = 0; y < h && !anyTransparent; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < ColourQuantiser::kAlphaThreshold) {
                anyTransparent = true;
                break;
            }
        }
    }
    const QList<QRgb> colours = ColourQuantiser::palette(src, anyTransparent ? 255 : 256);
    QList<QRgb> palette = colours;
    if (palette.isEmpty())
        palette.append(qRgb(0, 0, 0));
    const int transparentIndex = anyTransparent ? static_cast<int>(palette.size()) : -1;
    if (anyTransparent)
        palette.append(qRgb(0, 0, 0));

    int tableBits = 1; // the colour table holds 2^tableBits entries, 2..256
    while ((1 << tableBits) < palette.size())
        ++tableBits;

    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<size_t>(w) * static_cast<size_t>(h));
    QHash<QRgb, int> cache;
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            if (qAlpha(line[x]) < ColourQuantiser::kAlphaThreshold) {
                indices.push_back(static_cast<std::uint8_t>(transparentIndex));
                continue;
            }
            const QRgb opaque = line[x] | 0xFF000000u;
            auto it = cache.constFind(opaque);
            if (it == cache.constEnd()) {
                it = cache.insert(opaque, ColourQuantiser::nearest(colours, opaque));
            }
            indices.push_back(static_cast<std::uint8_t>(it.value()));
        }
    }

    QByteArray out("GIF89a");
    putWord(out, w);
    putWord(out, h);
    // Global colour table present, 8-bit colour resolution, unsorted, 2^tableBits entries.
    putByte(out, 0x80 | (7 << 4) | (tableBits - 1));
    putByte(out, 0); // background colour index
    putByte(out, 0); // no pixel aspect ratio
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
        putByte(out, qRed(c));
        putByte(out, qGreen(c));
        putByte(out, qBlue(c));
    }
    if (anyTransparent) {
        putByte(out, 0x21); // extension
        putByte(out, 0xF9); // graphic control
        putByte(out, 4);
        putByte(out, 0x01); // no disposal, no user input, transparent index present
        putWord(out, 0);    // no delay
        putByte(out, transparentIndex);
        putByte(out, 0);
    }
    putByte(out, 0x2C); // image descriptor
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, w);
    putWord(out, h);
    putByte(out, 0); // no local colour table, not interlaced

    const int minCodeSize = std::max(2, tableBits);
    putByte(out, minCodeSize);
    const QByteArray data = compress(indices, minCodeSize);
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - pos);
        putByte(out, static_cast<int>(n));
        out.append(data.constData() + pos, n);
    }
    putByte(out, 0);    // block terminator
    putByte(out, 0x3B); // trailer
    return out;
}

bool GifWriter::write(const QImage& image, const QString& path, QString* error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(encode(image)) < 0 || !file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

} // namespace vorlo::artgen
