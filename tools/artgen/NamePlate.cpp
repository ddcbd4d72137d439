#include "NamePlate.h"

#include "GradientNoise.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace vorlo::artgen {

namespace {

constexpr int kSuper = 4;

} // namespace

QImage NamePlate::render(const QColor& backdrop) {
    const int w = kWidth * kSuper;
    const int h = kHeight * kSuper;
    const GradientNoise noise(71);

    // The ivory, pixel by pixel: a warm parchment tone, mottled, with fine horizontal fibre.
    QImage ivory(w, h, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(ivory.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double fx = double(x) / kSuper;
            const double fy = double(y) / kSuper;
            const double mottle = noise.fractal(fx * 0.09, fy * 0.16, 3);
            const double fibre = noise.at(fx * 0.25 + 50, fy * 1.7);
            const double vertical = 1.0 - 0.05 * fy / kHeight; // a touch lighter at the top
            const double k = vertical * (1.0 + 0.035 * mottle + 0.018 * fibre);
            const int r = std::clamp(int(std::lround(0xf3 * k)), 0, 255);
            const int g = std::clamp(int(std::lround(0xe8 * k)), 0, 255);
            const int b = std::clamp(int(std::lround(0xcc * k * (1 - 0.03 * mottle))), 0, 255);
            line[x] = qRgb(r, g, b);
        }
    }

    QImage big(w, h, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSuper, kSuper);
    const QRectF outer(0, 0, kWidth, kHeight);
    QPainterPath plate;
    plate.addRoundedRect(outer, 2.2, 2.2);

    // Dark edge of the plate, then the ivory inside it.
    p.fillPath(plate, QColor(0x5e, 0x46, 0x2a));
    QPainterPath inside;
    inside.addRoundedRect(outer.adjusted(1, 1, -1, -1), 1.4, 1.4);
    p.save();
    p.setClipPath(inside);
    p.resetTransform();
    p.drawImage(0, 0, ivory);
    p.scale(kSuper, kSuper);
    // Bevel: a light upper and left edge, a shaded lower and right edge.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xfb, 0xee, 200));
    p.drawRect(QRectF(1, 1, kWidth - 2, 1));
    p.drawRect(QRectF(1, 1, 1, kHeight - 2));
    p.setBrush(QColor(0x8a, 0x70, 0x48, 120));
    p.drawRect(QRectF(1, kHeight - 2, kWidth - 2, 1));
    p.drawRect(QRectF(kWidth - 2, 1, 1, kHeight - 2));
    p.setBrush(QColor(0x8a, 0x70, 0x48, 40));
    p.drawRect(QRectF(2, kHeight - 3, kWidth - 4, 1));
    p.drawRect(QRectF(kWidth - 3, 2, 1, kHeight - 4));
    // A fine sepia rule round the edge, as printed on an engraved plate.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x8a, 0x6a, 0x3c, 90), 0.5));
    p.drawRoundedRect(QRectF(2.75, 2.75, kWidth - 5.5, kHeight - 5.5), 1, 1);
    p.restore();
    p.end();

    QImage small = big.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    // GIF transparency is all or nothing: the half-covered corner pixels take the wood's tone.
    for (int y = 0; y < kHeight; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = line[x];
            const int a = qAlpha(c);
            if (a == 255)
                continue;
            if (a < 96) {
                line[x] = 0;
                continue;
            }
            const double t = a / 255.0;
            line[x] = qRgb(int(qRed(c) * t + backdrop.red() * (1 - t) + 0.5),
                           int(qGreen(c) * t + backdrop.green() * (1 - t) + 0.5),
                           int(qBlue(c) * t + backdrop.blue() * (1 - t) + 0.5));
        }
    }
    return small;
}

} // namespace vorlo::artgen
