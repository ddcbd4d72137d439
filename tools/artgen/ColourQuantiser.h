#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace vorlo::artgen {

// Reduces the opaque colours of a picture to a small palette by median cut. A picture that
// already has few enough colours keeps them exactly. The result depends only on the pixels.
class ColourQuantiser {
public:
    // Pixels with alpha below this count as transparent and are left out of the palette.
    static constexpr int kAlphaThreshold = 128;

    // At most maxColours entries, sorted, opaque (alpha 255).
    static QList<QRgb> palette(const QImage& image, int maxColours);
    // The index of the palette entry nearest to the colour (squared RGB distance).
    static int nearest(const QList<QRgb>& palette, QRgb colour);
};

} // namespace vorlo::artgen
