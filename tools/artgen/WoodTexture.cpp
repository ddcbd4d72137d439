#include "WoodTexture.h"

#include <algorithm>
#include <cmath>

namespace vorlo::artgen {

namespace {

double smoothstep(double a, double b, double x) {
    const double t = std::clamp((x - a) / (b - a), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

double mix(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

WoodTexture::Style WoodTexture::walnut() {
    Style s;
    s.light = QColor(0x92, 0x5e, 0x36);
    s.dark = QColor(0x3c, 0x22, 0x12);
    s.ringSpacing = 4.5;
    s.ringContrast = 0.6;
    s.waviness = 7;
    s.depth = 0;
    s.depthSwing = 0;
    s.pores = 0.45;
    s.tone = 0.35;
    return s;
}

WoodTexture::Style WoodTexture::walnutPanel() {
    Style s;
    s.light = QColor(0x86, 0x56, 0x32);
    s.dark = QColor(0x3e, 0x23, 0x12);
    s.ringSpacing = 3.6;
    s.ringContrast = 0.55;
    s.waviness = 6;
    s.depth = 75;
    s.depthSwing = 45;
    s.taper = 0.1;
    s.pores = 0.32;
    s.tone = 0.3;
    return s;
}

WoodTexture::WoodTexture(const Style& style, std::uint32_t seed)
    : m_style(style), m_shape(seed), m_detail(seed ^ 0x5bd1e995u) {}

QRgb WoodTexture::sample(double along, double across) const {
    const Style& s = m_style;
    // The log is not a perfect cylinder: its heart wanders a little across the board.
    const double w = across + m_shape.fractal(along * 0.004, 0.37, 3) * s.waviness +
                     m_shape.at(along * 0.015 + 40, across * 0.02) * s.ringSpacing * 0.12;
    // Distance of the cut from the heart, changing slowly along the board.
    const double d = std::max(0.0, s.depth + s.taper * along +
                                       s.depthSwing * m_shape.fractal(along * 0.002 + 5, 1.7, 2));
    const double radius = std::sqrt(w * w + d * d);
    // Good and lean years: the rings' widths vary with the radius, the same all along the board.
    const double rings = radius / s.ringSpacing + 1.6 * m_detail.fractal(radius * 0.045, 0.5, 3) +
                         0.35 * m_shape.fractal(along * 0.002 + 7, across * 0.01 + 3, 2);
    const double t = rings - std::floor(rings);
    // Early wood is light; the ring darkens towards its end and snaps back at the boundary.
    const double band = std::pow(t, 2.4) * (1 - smoothstep(0.92, 1.0, t));

    // Pores: short dark dashes drawn out along the grain.
    const double poreNoise = m_detail.at(along * 0.09, across * 1.1);
    const double pore = smoothstep(0.25, 0.6, poreNoise) * s.pores;
    // Fine fibre, and long streaks of darker and lighter wood.
    const double fibre = m_detail.at(along * 0.02 + 11, across * 0.6) * 0.07;
    const double streak = m_shape.fractal(along * 0.0012 + 19, across * 0.02 - 5, 3) * s.tone;
    const double patch = m_detail.fractal(along * 0.004 - 3, across * 0.008 + 8, 2) * s.tone * 0.5;

    const double k = std::clamp(
        band * s.ringContrast + 0.5 * (1 - s.ringContrast) - streak - patch + fibre, 0.0, 1.0);
    double r = mix(s.light.redF(), s.dark.redF(), k);
    double g = mix(s.light.greenF(), s.dark.greenF(), k);
    double b = mix(s.light.blueF(), s.dark.blueF(), k);
    const double poreShade = 1 - pore * 0.55;
    r *= poreShade;
    g *= poreShade * 0.98;
    b *= poreShade * 0.95;
    auto channel = [](double v) {
        return std::clamp(static_cast<int>(std::lround(v * 255)), 0, 255);
    };
    return qRgb(channel(r), channel(g), channel(b));
}

void WoodTexture::fill(QImage& image, const QRect& area, Qt::Orientation grain,
                       QPointF origin) const {
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const double midX = (r.left() + r.right()) / 2.0;
            const double midY = (r.top() + r.bottom()) / 2.0;
            const double along = (grain == Qt::Horizontal ? x : y) + origin.x();
            const double across = (grain == Qt::Horizontal ? y - midY : x - midX) + origin.y();
            line[x] = sample(along, across);
        }
    }
}

} // namespace vorlo::artgen
