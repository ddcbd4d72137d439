#include "AboutPicture.h"

#include "FontBook.h"
#include "WoodTexture.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace vorlo::artgen {

namespace {

constexpr int kSuper = 2;

const QColor kGilt(0xd8, 0xb0, 0x58);
const QColor kGiltDark(0x7a, 0x58, 0x1c);

QBrush woodBrush() {
    static const QImage wood = [] {
        QImage img(AboutPicture::kWidth * kSuper, AboutPicture::kHeight * kSuper,
                   QImage::Format_RGB32);
        WoodTexture::Style s = WoodTexture::walnut();
        s.ringSpacing *= kSuper;
        s.waviness *= kSuper;
        WoodTexture(s, 101).fill(img, img.rect(), Qt::Vertical);
        return img;
    }();
    QBrush b(wood);
    b.setTransform(QTransform::fromScale(1.0 / kSuper, 1.0 / kSuper));
    return b;
}

void gildedCornice(QPainter& p, const QRectF& r) {
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, kGilt.lighter(130));
    g.setColorAt(0.5, kGilt);
    g.setColorAt(1, kGiltDark);
    p.setPen(QPen(QColor(0x3a, 0x24, 0x10), 0.5));
    p.setBrush(g);
    p.drawRect(r);
}

// Carved gilt shade over the top of a bay's pipes: a band with scalloped fretwork hanging
// from it, pierced in each scallop.
void pipeShade(QPainter& p, double x0, double x1, double y) {
    const double w = x1 - x0;
    const int scallops = std::max(2, int(std::lround(w / 15)));
    const double step = w / scallops;
    QPainterPath path;
    path.moveTo(x0, y);
    path.lineTo(x1, y);
    path.lineTo(x1, y + 3);
    for (int i = scallops; i > 0; --i) {
        const double right = x0 + i * step;
        const double left = right - step;
        path.quadTo((left + right) / 2, y + 13, left, y + 3);
    }
    path.closeSubpath();
    QLinearGradient g(0, y, 0, y + 10);
    g.setColorAt(0, kGilt.lighter(125));
    g.setColorAt(0.6, kGilt);
    g.setColorAt(1, kGiltDark);
    p.setPen(QPen(QColor(0x3a, 0x24, 0x10), 0.5));
    p.setBrush(g);
    p.drawPath(path);
    // Piercings and beads.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < scallops; ++i) {
        const double mid = x0 + (i + 0.5) * step;
        p.setBrush(QColor(0x2a, 0x18, 0x0a));
        p.drawEllipse(QPointF(mid, y + 5.2), step * 0.16, 1.6);
        p.setBrush(kGilt.lighter(140));
        p.drawEllipse(QPointF(x0 + i * step, y + 3.2), 0.9, 0.9);
    }
}

} // namespace

template <typename TopOf>
void AboutPicture::pipes(QPainter& p, double x0, double x1, int count, double mouthY, double footY,
                         TopOf topOf) {
    const double pitch = (x1 - x0) / count;
    const double width = pitch * 0.82;
    for (int i = 0; i < count; ++i) {
        const double left = x0 + i * pitch + (pitch - width) / 2;
        const double cx = left + width / 2;
        const double top = topOf(i);
        QLinearGradient tin(left, 0, left + width, 0);
        tin.setColorAt(0.0, QColor(0x50, 0x54, 0x5c));
        tin.setColorAt(0.28, QColor(0xf4, 0xf6, 0xfa));
        tin.setColorAt(0.45, QColor(0xb8, 0xbe, 0xc8));
        tin.setColorAt(0.8, QColor(0x78, 0x7e, 0x88));
        tin.setColorAt(1.0, QColor(0x38, 0x3c, 0x44));
        p.setPen(QPen(QColor(0x20, 0x20, 0x24), 0.35));
        p.setBrush(tin);
        // Body, and the conical foot below the mouth.
        p.drawRect(QRectF(left, top, width, mouthY - top));
        QPainterPath foot;
        foot.moveTo(left, mouthY);
        foot.lineTo(left + width, mouthY);
        foot.lineTo(cx + width * 0.15, footY);
        foot.lineTo(cx - width * 0.15, footY);
        foot.closeSubpath();
        p.drawPath(foot);
        // Mouth: a dark slot under a mitred upper lip.
        const double half = width * 0.3;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x1a, 0x18, 0x1a));
        p.drawRect(QRectF(cx - half, mouthY - width * 0.3, 2 * half, width * 0.3));
        QPainterPath lip;
        lip.moveTo(cx - half, mouthY - width * 0.3);
        lip.lineTo(cx, mouthY - width * 0.75);
        lip.lineTo(cx + half, mouthY - width * 0.3);
        lip.closeSubpath();
        p.setPen(QPen(QColor(0x30, 0x32, 0x38), 0.35));
        p.setBrush(QColor(0x8a, 0x90, 0x9a));
        p.drawPath(lip);
    }
}

QImage AboutPicture::render() {
    QImage big(kWidth * kSuper, kHeight * kSuper, QImage::Format_RGB32);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(kSuper, kSuper);

    // A dim church: warm light falling on the case from above.
    QRadialGradient air(160, 40, 220);
    air.setColorAt(0, QColor(0x5a, 0x40, 0x2c));
    air.setColorAt(0.6, QColor(0x24, 0x18, 0x12));
    air.setColorAt(1, QColor(0x0c, 0x08, 0x06));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), air);

    const QBrush wood = woodBrush();
    const double impost = 134; // where the pipe feet stand
    // The case behind the pipes, in shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1a, 0x10, 0x0a));
    p.drawRect(QRectF(30, 30, 260, impost - 30));
    p.drawRect(QRectF(124, 12, 72, 30));

    // Towers and flats: (left, right, pipe count, top of the tallest pipe, top of the frame).
    struct Bay {
        double x0, x1;
        int count;
        double tallest, rise;
        double frameTop;
        bool tower;
    };
    const Bay bays[] = {
        {34, 80, 5, 58, 4, 44, true},      // left tower
        {84, 122, 5, 74, -2.5, 66, false}, // left flat, rising towards the middle
        {126, 194, 7, 26, 4.5, 12, true},  // central tower
        {198, 236, 5, 64, 2.5, 66, false}, // right flat, falling away from the middle
        {240, 286, 5, 58, 4, 44, true},    // right tower
    };
    for (const Bay& b : bays) {
        const int mid = b.count / 2;
        if (b.tower) {
            pipes(p, b.x0, b.x1, b.count, 112, impost,
                  [&](int i) { return b.tallest + std::abs(i - mid) * b.rise; });
        } else {
            pipes(p, b.x0, b.x1, b.count, 116, impost, [&](int i) {
                return b.tallest + (b.rise < 0 ? (b.count - 1 - i) : i) * std::abs(b.rise) * 2;
            });
        }
    }

    // Posts between the bays, cornices and shades.
    p.setPen(QPen(QColor(0x1a, 0x0e, 0x06), 0.6));
    p.setBrush(wood);
    const double posts[] = {28, 80, 122, 194, 236, 286};
    for (double x : posts) {
        const double top = (x == 122 || x == 194) ? 10 : 40;
        p.drawRect(QRectF(x, top, 6, impost - top));
    }
    // Tower tops with gilt cornices and a crown on the middle tower.
    gildedCornice(p, QRectF(26, 38, 60, 5));
    gildedCornice(p, QRectF(234, 38, 60, 5));
    gildedCornice(p, QRectF(120, 6, 80, 5));
    pipeShade(p, 34, 80, 43);
    pipeShade(p, 240, 286, 43);
    pipeShade(p, 128, 194, 11);
    pipeShade(p, 84, 122, 60);
    pipeShade(p, 198, 236, 60);
    gildedCornice(p, QRectF(82, 56, 42, 4));
    gildedCornice(p, QRectF(196, 56, 42, 4));
    {
        QPainterPath crown;
        crown.moveTo(134, 6);
        crown.quadTo(160, -6, 186, 6);
        crown.closeSubpath();
        p.setBrush(kGilt);
        p.setPen(QPen(QColor(0x3a, 0x24, 0x10), 0.5));
        p.drawPath(crown);
    }

    // The impost and the base of the case with the name plate.
    p.setBrush(wood);
    p.setPen(QPen(QColor(0x1a, 0x0e, 0x06), 0.6));
    p.drawRect(QRectF(22, impost, 276, kHeight - impost + 2));
    gildedCornice(p, QRectF(20, impost, 280, 4));
    QLinearGradient shade(0, impost + 4, 0, kHeight);
    shade.setColorAt(0, QColor(0, 0, 0, 40));
    shade.setColorAt(1, QColor(0, 0, 0, 120));
    p.fillRect(QRectF(22, impost + 4, 276, kHeight - impost), shade);

    const QRectF plate(84, impost + 13, 152, 44);
    p.setPen(QPen(kGilt, 1.2));
    p.setBrush(QColor(0x1c, 0x10, 0x08, 200));
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(QPen(QColor(0xd8, 0xb0, 0x58, 120), 0.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(2.5, 2.5, -2.5, -2.5), 2.5, 2.5);

    QFont font = FontBook::serif(28, true);
    QPainterPath text;
    const QString name = QStringLiteral("Vorlo2000");
    const double textWidth = QFontMetricsF(font).horizontalAdvance(name);
    text.addText(plate.center().x() - textWidth / 2, plate.center().y() + 10, font, name);
    p.fillPath(text.translated(1, 1.2), QColor(0, 0, 0, 200));
    QLinearGradient gold(0, plate.top() + 8, 0, plate.bottom() - 8);
    gold.setColorAt(0, QColor(0xff, 0xf0, 0xb0));
    gold.setColorAt(0.5, kGilt);
    gold.setColorAt(1, kGiltDark);
    p.fillPath(text, gold);
    p.end();

    return big.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace vorlo::artgen
