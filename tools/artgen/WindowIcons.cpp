#include "WindowIcons.h"

#include "FontBook.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace vorlo::artgen {

namespace {

const QColor kOutline(0x2a, 0x24, 0x20);

QLinearGradient metal(double x0, double x1, const QColor& base) {
    // A polished cylinder seen side on: dark edges, a bright streak left of centre.
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0.0, base.darker(190));
    g.setColorAt(0.3, base.lighter(150));
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, base.darker(230));
    return g;
}

void tile(QPainter& p, const QColor& top, const QColor& bottom) {
    QLinearGradient g(0, 1, 0, 31);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 5, 5);
}

} // namespace

QImage WindowIcons::organPipes() {
    return render([](QPainter& p) {
        // Walnut case foot the pipes stand on.
        QLinearGradient wood(0, 25, 0, 31);
        wood.setColorAt(0, QColor(0x9a, 0x62, 0x36));
        wood.setColorAt(1, QColor(0x4a, 0x2a, 0x16));
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(wood);
        p.drawRoundedRect(QRectF(1.5, 25.5, 29, 5), 1, 1);

        // Five pipes, tallest in the middle.
        const double centres[] = {4.6, 10.3, 16, 21.7, 27.4};
        const double tops[] = {11, 6, 1.5, 6, 11};
        const double halfWidth = 2.5;
        for (int i = 0; i < 5; ++i) {
            const double x = centres[i];
            const double mouth = 19.0 - (i == 2 ? 1.5 : 0);
            // Conical foot.
            QPainterPath foot;
            foot.moveTo(x - halfWidth, mouth + 1);
            foot.lineTo(x + halfWidth, mouth + 1);
            foot.lineTo(x + 0.9, 25.5);
            foot.lineTo(x - 0.9, 25.5);
            foot.closeSubpath();
            p.setPen(QPen(kOutline, 0.6));
            p.setBrush(metal(x - halfWidth, x + halfWidth, QColor(0xb8, 0xbc, 0xc4)));
            p.drawPath(foot);
            // Body.
            p.drawRect(QRectF(x - halfWidth, tops[i], 2 * halfWidth, mouth + 1 - tops[i]));
            // Mouth with its upper lip.
            QPainterPath lip;
            lip.moveTo(x - 1.4, mouth + 0.6);
            lip.lineTo(x - 1.4, mouth - 1.2);
            lip.quadTo(x, mouth - 2.6, x + 1.4, mouth - 1.2);
            lip.lineTo(x + 1.4, mouth + 0.6);
            lip.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x20, 0x1c, 0x1c));
            p.drawPath(lip);
        }
    });
}

QImage WindowIcons::midiSocket() {
    return render([](QPainter& p) {
        const QPointF c(16, 16);
        QRadialGradient shell(c - QPointF(4, 5), 18);
        shell.setColorAt(0, QColor(0xf0, 0xf0, 0xf0));
        shell.setColorAt(0.6, QColor(0xa8, 0xaa, 0xb0));
        shell.setColorAt(1, QColor(0x5a, 0x5c, 0x62));
        p.setPen(QPen(kOutline, 1.0));
        p.setBrush(shell);
        p.drawEllipse(c, 14.5, 14.5);
        p.setBrush(QColor(0x1c, 0x1c, 0x20));
        p.setPen(QPen(QColor(0x50, 0x50, 0x58), 0.6));
        p.drawEllipse(c, 10.8, 10.8);
        // The key notch at the bottom.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1c, 0x1c, 0x20));
        p.drawRect(QRectF(14.2, 25, 3.6, 3.8));
        // Five gold pins on a half circle, as on a MIDI socket.
        for (int i = 0; i < 5; ++i) {
            const double angle = M_PI * (1.0 + i * 0.25);
            const QPointF pin = c + QPointF(std::cos(angle), std::sin(angle)) * 6.6 + QPointF(0, 2);
            QRadialGradient gold(pin - QPointF(0.6, 0.6), 2.2);
            gold.setColorAt(0, QColor(0xff, 0xf0, 0xa0));
            gold.setColorAt(1, QColor(0xa8, 0x78, 0x18));
            p.setBrush(gold);
            p.drawEllipse(pin, 1.7, 1.7);
        }
    });
}

QImage WindowIcons::spanner() {
    return render([](QPainter& p) {
        // Diagonal, jaws to the upper right.
        p.translate(14.5, 17.5);
        p.rotate(45);
        p.scale(1.15, 1.15);
        QPainterPath shape;
        shape.addRoundedRect(QRectF(-2.6, -6, 5.2, 19), 2.2, 2.2); // handle
        shape.addEllipse(QPointF(0, -9.5), 7, 7);                  // head
        QPainterPath jaw;
        jaw.addRect(QRectF(-2.6, -18, 5.2, 8.5)); // opening between the jaws
        jaw.addEllipse(QPointF(0, -9.5), 2.6, 2.6);
        shape = shape.subtracted(jaw);
        QPainterPath ring;
        ring.addEllipse(QPointF(0, 13.5), 1.6, 1.6); // hanging hole
        shape = shape.subtracted(ring);
        QLinearGradient steel(-7, 0, 7, 0);
        steel.setColorAt(0, QColor(0x6a, 0x70, 0x7a));
        steel.setColorAt(0.35, QColor(0xf2, 0xf4, 0xf8));
        steel.setColorAt(0.6, QColor(0xb4, 0xb8, 0xc2));
        steel.setColorAt(1, QColor(0x50, 0x56, 0x60));
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(steel);
        p.drawPath(shape.simplified());
    });
}

QImage WindowIcons::keyboard() {
    return render([](QPainter& p) {
        // Seven white keys with their five black keys; one key glows as the lever just pressed.
        const double left = 2, top = 4, keyWidth = 4, height = 18;
        p.setPen(QPen(kOutline, 0.8));
        for (int i = 0; i < 7; ++i) {
            p.setBrush(i == 4 ? QColor(0xff, 0xc8, 0x30) : QColor(0xfa, 0xf8, 0xf0));
            p.drawRect(QRectF(left + i * keyWidth, top, keyWidth, height));
        }
        p.setBrush(QColor(0x1e, 0x1c, 0x1a));
        for (int i : {1, 2, 4, 5, 6}) {
            p.drawRect(QRectF(left + i * keyWidth - 1.3, top, 2.6, 11));
        }
        // The sustain pedal that turns the next key into a command.
        QLinearGradient brass(0, 24, 0, 30);
        brass.setColorAt(0, QColor(0xf4, 0xd8, 0x80));
        brass.setColorAt(1, QColor(0x9a, 0x70, 0x20));
        p.setBrush(brass);
        QPainterPath pedal;
        pedal.moveTo(11, 30.5);
        pedal.lineTo(21, 30.5);
        pedal.lineTo(19.5, 24.5);
        pedal.lineTo(12.5, 24.5);
        pedal.closeSubpath();
        p.drawPath(pedal);
    });
}

QImage WindowIcons::sliders() {
    return render([](QPainter& p) {
        tile(p, QColor(0xf4, 0xf2, 0xee), QColor(0xc8, 0xc4, 0xbc));
        const double rows[] = {9, 16, 23};
        const double knobs[] = {20, 10, 15};
        for (int i = 0; i < 3; ++i) {
            const double y = rows[i];
            p.setPen(QPen(QColor(0x60, 0x5c, 0x58), 0.6));
            p.setBrush(QColor(0x40, 0x3c, 0x38));
            p.drawRoundedRect(QRectF(5, y - 1.2, 22, 2.4), 1.2, 1.2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x2c, 0x78, 0xd8));
            p.drawRoundedRect(QRectF(5, y - 1.2, knobs[i] - 5, 2.4), 1.2, 1.2);
            QLinearGradient cap(0, y - 3.5, 0, y + 3.5);
            cap.setColorAt(0, QColor(0xff, 0xff, 0xff));
            cap.setColorAt(1, QColor(0x9a, 0x9e, 0xa8));
            p.setPen(QPen(kOutline, 0.7));
            p.setBrush(cap);
            p.drawRoundedRect(QRectF(knobs[i] - 2.2, y - 3.4, 4.4, 6.8), 1.2, 1.2);
        }
    });
}

QImage WindowIcons::letterA() {
    return render([](QPainter& p) {
        tile(p, QColor(0xfb, 0xf4, 0xe0), QColor(0xe0, 0xd0, 0xa8));
        QFont f = FontBook::serif(28, true);
        p.setFont(f);
        p.setPen(QColor(0x18, 0x20, 0x48));
        p.drawText(QRectF(0, 1, 32, 31), Qt::AlignCenter, QStringLiteral("A"));
    });
}

QImage WindowIcons::italianFlag() {
    return render([](QPainter& p) {
        // Flag on a short pole, with a gentle wave in the cloth.
        QPainterPath cloth;
        cloth.moveTo(4, 5);
        cloth.cubicTo(12, 2, 20, 8, 30, 4.5);
        cloth.lineTo(30, 24.5);
        cloth.cubicTo(20, 28, 12, 22, 4, 25);
        cloth.closeSubpath();
        p.save();
        p.setClipPath(cloth);
        const QColor bands[] = {QColor(0x00, 0x92, 0x46), QColor(0xf6, 0xf6, 0xf2),
                                QColor(0xce, 0x2b, 0x37)};
        for (int i = 0; i < 3; ++i)
            p.fillRect(QRectF(4 + i * 26.0 / 3, 0, 26.0 / 3 + 0.05, 32), bands[i]);
        QLinearGradient fold(4, 0, 30, 0);
        fold.setColorAt(0.0, QColor(0, 0, 0, 0));
        fold.setColorAt(0.3, QColor(255, 255, 255, 50));
        fold.setColorAt(0.55, QColor(0, 0, 0, 45));
        fold.setColorAt(0.8, QColor(255, 255, 255, 40));
        fold.setColorAt(1.0, QColor(0, 0, 0, 30));
        p.fillRect(QRectF(0, 0, 32, 32), fold);
        p.restore();
        p.setPen(QPen(kOutline, 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cloth);
        // Pole.
        p.setBrush(QColor(0x8a, 0x6a, 0x40));
        p.drawRoundedRect(QRectF(2, 2, 2.4, 29), 1, 1);
    });
}

QImage WindowIcons::stopsTable() {
    return render([](QPainter& p) {
        // A sheet of the stops table: a heading row and ruled entries.
        p.setPen(QPen(kOutline, 0.9));
        p.setBrush(QColor(0xfd, 0xfc, 0xf8));
        p.drawRect(QRectF(2.5, 2.5, 22, 26));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x7a, 0x30, 0x20));
        p.drawRect(QRectF(3, 3, 21, 4.5));
        p.setPen(QPen(QColor(0x90, 0x90, 0x98), 0.6));
        for (int r = 0; r < 5; ++r)
            p.drawLine(QPointF(3, 11.5 + r * 3.8), QPointF(24, 11.5 + r * 3.8));
        p.drawLine(QPointF(10, 7.5), QPointF(10, 28));
        // Magnifying glass over the lower right corner.
        const QPointF lens(19, 19);
        QPen handle(QColor(0x4a, 0x2c, 0x18), 3.2, Qt::SolidLine, Qt::RoundCap);
        p.setPen(handle);
        p.drawLine(lens + QPointF(4.8, 4.8), QPointF(29.5, 29.5));
        QRadialGradient glass(lens - QPointF(2, 2), 7);
        glass.setColorAt(0, QColor(0xff, 0xff, 0xff, 210));
        glass.setColorAt(1, QColor(0x9c, 0xc8, 0xf0, 150));
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), 1.8));
        p.setBrush(glass);
        p.drawEllipse(lens, 6, 6);
    });
}

} // namespace vorlo::artgen
