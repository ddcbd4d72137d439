#include "DrawstopKnob.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>

namespace vorlo::artgen {

namespace {

constexpr int kSuper = 8; // drawn eight times larger, then scaled down smoothly

struct Look {
    QColor face; // porcelain face
    QColor ring; // engraved ring on the face
    QColor wood; // turned head and shank
};

Look lookOf(DrawstopKnob::Division d) {
    switch (d) {
    case DrawstopKnob::Division::Great: // warm ivory, crimson ring, rosewood
        return {QColor(0xf7, 0xea, 0xc8), QColor(0xb0, 0x18, 0x18), QColor(0x58, 0x1c, 0x10)};
    case DrawstopKnob::Division::Swell: // cool porcelain, cobalt ring, ebony
        return {QColor(0xe6, 0xee, 0xf6), QColor(0x1c, 0x3c, 0xa8), QColor(0x2c, 0x22, 0x1e)};
    case DrawstopKnob::Division::Pedal: // old ivory, black ring, walnut
    default:
        return {QColor(0xef, 0xe2, 0xc2), QColor(0x22, 0x1a, 0x14), QColor(0x5a, 0x36, 0x1c)};
    }
}

QColor scaled(const QColor& c, double k, int alpha = 255) {
    auto ch = [k](int v) { return std::clamp(static_cast<int>(v * k + 0.5), 0, 255); };
    return QColor(ch(c.red()), ch(c.green()), ch(c.blue()), alpha);
}

QColor mixed(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

void disc(QPainter& p, QPointF centre, double radius, const QBrush& brush) {
    p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawEllipse(centre, radius, radius);
}

} // namespace

QImage DrawstopKnob::render(Division division, bool drawn, const QColor& backdrop) {
    const Look look = lookOf(division);
    QImage big(kSize * kSuper, kSize * kSuper, QImage::Format_ARGB32_Premultiplied);
    big.fill(backdrop);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(kSuper, kSuper);

    const QPointF c(10.5, 10.5);

    // The hole in the jamb and the turned collar round it.
    {
        QRadialGradient hole(c, 10.4);
        hole.setColorAt(0.80, QColor(0, 0, 0, 150));
        hole.setColorAt(1.0, QColor(0, 0, 0, 0));
        disc(p, c, 10.4, hole);
        QRadialGradient collar(c - QPointF(2.5, 2.5), 12);
        collar.setColorAt(0.0, scaled(look.wood, 1.9));
        collar.setColorAt(0.6, scaled(look.wood, 1.15));
        collar.setColorAt(1.0, scaled(look.wood, 0.55));
        disc(p, c, 9.3, collar);
        disc(p, c, 8.1, QColor(0x10, 0x08, 0x04));
    }

    const QPointF head = drawn ? c - QPointF(0.55, 0.7) : c;
    const double headRadius = drawn ? 8.3 : 7.6;

    if (drawn) {
        // Shadow of the drawn knob on the jamb, and its shank between collar and head.
        QRadialGradient shadow(c + QPointF(1.6, 2.0), 9.6);
        shadow.setColorAt(0.55, QColor(0, 0, 0, 150));
        shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.save();
        p.setClipRegion(QRegion(0, 0, kSize, kSize));
        disc(p, c + QPointF(1.6, 2.0), 9.6, shadow);
        p.restore();
        QLinearGradient shank(c - QPointF(4, 4), c + QPointF(4, 4));
        shank.setColorAt(0, scaled(look.wood, 1.6));
        shank.setColorAt(1, scaled(look.wood, 0.6));
        disc(p, c + QPointF(0.35, 0.45), 7.9, shank);
    }

    // The turned head: a rounded rim, light on its upper left shoulder.
    {
        QRadialGradient rim(head - QPointF(3, 3.5), headRadius * 1.9);
        const double lit = drawn ? 1.0 : 0.7;
        rim.setColorAt(0.0, scaled(look.wood, 2.1 * lit));
        rim.setColorAt(0.45, scaled(look.wood, 1.3 * lit));
        rim.setColorAt(1.0, scaled(look.wood, 0.45 * lit));
        disc(p, head, headRadius, rim);
    }

    // The porcelain face.
    const double faceRadius = headRadius - 1.5;
    {
        QRadialGradient face(head - QPointF(1.8, 2.2), faceRadius * 1.7);
        if (drawn) {
            face.setColorAt(0.0, mixed(look.face, Qt::white, 0.7));
            face.setColorAt(0.5, look.face);
            face.setColorAt(1.0, scaled(look.face, 0.78));
        } else {
            const QColor dull = mixed(look.face, QColor(0x80, 0x78, 0x6c), 0.35);
            face.setColorAt(0.0, scaled(dull, 0.92));
            face.setColorAt(0.5, scaled(dull, 0.78));
            face.setColorAt(1.0, scaled(dull, 0.58));
        }
        disc(p, head, faceRadius, face);
    }

    // The engraved ring that tells the division.
    {
        const QColor ring = drawn ? look.ring : mixed(look.ring, QColor(0x50, 0x48, 0x40), 0.4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(ring, drawn ? 1.25 : 1.1));
        const double r = faceRadius - 1.5;
        p.drawEllipse(head, r, r);
    }

    // Gloss on the glaze: bright on a drawn knob, a faint gleam on one pushed in.
    {
        const QPointF spot = head - QPointF(2.3, 2.6);
        QRadialGradient gloss(spot, 2.4);
        gloss.setColorAt(0.0, QColor(255, 255, 255, drawn ? 235 : 110));
        gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
        disc(p, spot, 2.4, gloss);
    }
    p.end();

    QImage small = big.scaled(kSize, kSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return small.convertToFormat(QImage::Format_RGB32);
}

} // namespace vorlo::artgen
