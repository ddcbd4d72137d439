#include "MemoryLed.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace vorlo::artgen {

namespace {

constexpr int kSuper = 8;

QColor hueOf(MemoryLed::Colour c) {
    switch (c) {
    case MemoryLed::Colour::Green:
        return QColor(0x2c, 0xf0, 0x3c);
    case MemoryLed::Colour::Red:
        return QColor(0xff, 0x2a, 0x1a);
    case MemoryLed::Colour::Yellow:
    default:
        return QColor(0xff, 0xd8, 0x1a);
    }
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QColor darker(const QColor& c, double k) {
    return QColor(int(c.red() * k), int(c.green() * k), int(c.blue() * k));
}

} // namespace

QImage MemoryLed::render(Colour colour, bool lit, const QColor& backdrop) {
    const QColor hue = hueOf(colour);
    QImage big(kSize * kSuper, kSize * kSuper, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSuper, kSuper);
    p.setPen(Qt::NoPen);
    const QPointF c(kSize / 2.0, kSize / 2.0);
    constexpr double kBezel = 5.8;
    constexpr double kLens = 4.7;

    // Bezel: a dark metal ring, lit from the upper left; a lit LED tints it with its light.
    QLinearGradient bezel(c - QPointF(5, 5), c + QPointF(5, 5));
    bezel.setColorAt(0, QColor(0x9a, 0x96, 0x90));
    bezel.setColorAt(0.5, QColor(0x3a, 0x38, 0x36));
    bezel.setColorAt(1, QColor(0x12, 0x12, 0x12));
    p.setBrush(bezel);
    p.drawEllipse(c, kBezel, kBezel);
    if (lit) {
        p.setBrush(withAlpha(hue, 90));
        p.drawEllipse(c, kBezel, kBezel);
    }

    // Lens.
    QRadialGradient lens(c - QPointF(0.8, 0.8), kLens + 0.6);
    if (lit) {
        lens.setColorAt(0.0, QColor(0xff, 0xff, 0xf4));
        lens.setColorAt(0.3, hue.lighter(135));
        lens.setColorAt(0.8, hue);
        lens.setColorAt(1.0, darker(hue, 0.75));
    } else {
        lens.setColorAt(0.0, darker(hue, 0.42));
        lens.setColorAt(0.6, darker(hue, 0.22));
        lens.setColorAt(1.0, darker(hue, 0.1));
    }
    p.setBrush(lens);
    p.drawEllipse(c, kLens, kLens);

    // Gleam on the dome.
    const QPointF spot = c - QPointF(1.7, 1.9);
    QRadialGradient gleam(spot, 1.9);
    gleam.setColorAt(0, QColor(255, 255, 255, lit ? 230 : 170));
    gleam.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gleam);
    p.drawEllipse(spot, 1.9, 1.9);
    p.end();

    QImage small = big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < kSize; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(small.scanLine(y));
        for (int x = 0; x < kSize; ++x) {
            // A lit LED's halo is light added to whatever lies round it, fading out at the
            // edge of the picture.
            const double d = std::hypot(x + 0.5 - c.x(), y + 0.5 - c.y());
            const double glow = lit ? 0.95 * std::pow(std::clamp((kSize / 2.0 + 0.3 - d) /
                                                                     (kSize / 2.0 + 0.3 - kBezel),
                                                                 0.0, 1.0),
                                                      1.3)
                                    : 0.0;
            const QRgb px = line[x];
            const double a = qAlpha(px) / 255.0;
            if (a < 0.3 && glow < 0.3) {
                line[x] = 0;
                continue;
            }
            auto channel = [&](int shape, int back, int light) {
                const double under = std::min(255.0, back + light * glow);
                return std::clamp(int(shape * a + under * (1 - a) + 0.5), 0, 255);
            };
            line[x] = qRgb(channel(qRed(px), backdrop.red(), hue.red()),
                           channel(qGreen(px), backdrop.green(), hue.green()),
                           channel(qBlue(px), backdrop.blue(), hue.blue()));
        }
    }
    return small;
}

} // namespace vorlo::artgen
