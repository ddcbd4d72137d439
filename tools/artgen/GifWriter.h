#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <vector>

namespace vorlo::artgen {

// A single-frame GIF89a encoder (Qt reads GIF but cannot write it). The picture's opaque colours
// are reduced to a palette of at most 256 entries; pixels with alpha below 128 become a
// transparent palette index named by a Graphic Control Extension. The pixel indices are
// LZW-compressed with variable code sizes and a clear code whenever the code table fills.
class GifWriter {
public:
    static QByteArray encode(const QImage& image);
    static bool write(const QImage& image, const QString& path, QString* error = nullptr);

    // The LZW stream of the indices (each below 2^minCodeSize), before it is cut into blocks.
    static QByteArray compress(const std::vector<std::uint8_t>& indices, int minCodeSize);
};

} // namespace vorlo::artgen
