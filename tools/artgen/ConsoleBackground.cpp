#include "ConsoleBackground.h"

#include "WoodTexture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace vorlo::artgen {

namespace {

constexpr int kTopRail = 36;     // bottom edge of the top rail: couplers and group headings above
constexpr int kBottomRail = 497; // top edge of the bottom rail: buttons and memory LEDs below
constexpr int kMoulding = 3;     // width of the bevelled moulding round each panel

} // namespace

QList<QRect> ConsoleBackground::panels() {
    // Stop groups (plates and knobs) span, in pixels: Fondi 5..241, Mutazioni 277..431,
    // Ance/Archi 470..625, Pedale 653..808; rows from 39 to 493.
    return {QRect(QPoint(3, 39), QPoint(244, 494)), QRect(QPoint(273, 39), QPoint(435, 494)),
            QRect(QPoint(466, 39), QPoint(629, 494)), QRect(QPoint(649, 39), QPoint(812, 494))};
}

ConsoleBackground::ConsoleBackground() : m_image(kWidth, kHeight, QImage::Format_RGB32) {
    paintFrame();
    paintPanels();
    paintLight();
    // The knobs sit on the rows below the top shadow of each panel.
    double r = 0, g = 0, b = 0;
    const QList<QRect> all = panels();
    for (const QRect& p : all) {
        const QColor c = meanColour(p.adjusted(8, 12, -8, -8));
        r += c.redF();
        g += c.greenF();
        b += c.blueF();
    }
    m_panelTone =
        QColor::fromRgbF(float(r / all.size()), float(g / all.size()), float(b / all.size()));
    m_railTone = meanColour(QRect(QPoint(5, 512), QPoint(410, 532)));
}

void ConsoleBackground::paintFrame() {
    m_image.fill(Qt::black);
    const WoodTexture rail(WoodTexture::walnut(), 11);
    const WoodTexture stile(WoodTexture::walnut(), 23);
    rail.fill(m_image, QRect(0, 0, kWidth, kTopRail), Qt::Horizontal, QPointF(0, 420));
    rail.fill(m_image, QRect(0, kBottomRail, kWidth, kHeight - kBottomRail), Qt::Horizontal,
              QPointF(300, 380));
    // Each stile, between two panels, is its own board.
    const QList<QRect> floors = panels();
    for (int i = 0; i <= floors.size(); ++i) {
        // Reaching to the middle of the neighbouring panels: the moulding shows the stile
        // above and below a panel, and the panel itself covers the rest.
        const int left = i == 0 ? 0 : floors[i - 1].center().x() + 1;
        const int right = i == floors.size() ? kWidth - 1 : floors[i].center().x();
        const QRect area(QPoint(left, kTopRail), QPoint(right, kBottomRail - 1));
        stile.fill(m_image, area, Qt::Vertical, QPointF(i * 97.0, 300.0 + i * 41));
    }

    // Joints where the stiles meet the rails.
    QPainter p(&m_image);
    p.setPen(QColor(0x24, 0x14, 0x0a, 160));
    p.drawLine(0, kTopRail, kWidth, kTopRail);
    p.drawLine(0, kBottomRail - 1, kWidth, kBottomRail - 1);
    p.setPen(QColor(0xff, 0xe8, 0xc8, 40));
    p.drawLine(0, kTopRail + 1, kWidth, kTopRail + 1);
    p.drawLine(0, kBottomRail, kWidth, kBottomRail);
}

void ConsoleBackground::paintPanels() {
    const WoodTexture veneer(WoodTexture::walnutPanel(), 37);
    int n = 0;
    for (const QRect& floor : panels()) {
        veneer.fill(m_image, floor, Qt::Vertical, QPointF(-230 + n * 157.0, n % 2 ? 12.0 : -10.0));
        ++n;
    }

    QPainter p(&m_image);
    for (const QRect& floor : panels()) {
        // The moulding: the frame steps down to the panel. Light comes from the upper left, so
        // the upper and left faces are in shade and the lower and right ones catch the light.
        const QRect outer = floor.adjusted(-kMoulding, -kMoulding, kMoulding, kMoulding);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x16, 0x0b, 0x05, 150));
        p.drawPolygon(QPolygon({outer.topLeft(), outer.topRight() + QPoint(1, 0),
                                floor.topRight() + QPoint(1, 0), floor.topLeft()}));
        p.setBrush(QColor(0x16, 0x0b, 0x05, 115));
        p.drawPolygon(QPolygon({outer.topLeft(), floor.topLeft(), floor.bottomLeft() + QPoint(0, 1),
                                outer.bottomLeft() + QPoint(0, 1)}));
        p.setBrush(QColor(0xff, 0xe2, 0xb0, 85));
        p.drawPolygon(
            QPolygon({outer.bottomLeft() + QPoint(0, 1), floor.bottomLeft() + QPoint(0, 1),
                      floor.bottomRight() + QPoint(1, 1), outer.bottomRight() + QPoint(1, 1)}));
        p.setBrush(QColor(0xff, 0xe2, 0xb0, 60));
        p.drawPolygon(
            QPolygon({outer.topRight() + QPoint(1, 0), outer.bottomRight() + QPoint(1, 1),
                      floor.bottomRight() + QPoint(1, 1), floor.topRight() + QPoint(1, 0)}));
        // A gilt bead along the top of the moulding.
        p.setBrush(Qt::NoBrush);
        p.setPen(QColor(0xc8, 0x9a, 0x50, 150));
        p.drawRect(outer.adjusted(-1, -1, 1, 1));
        p.setPen(QColor(0x1a, 0x0d, 0x06, 110));
        p.drawRect(outer.adjusted(-2, -2, 2, 2));

        // The frame casts a short shadow onto the panel's upper and left edges.
        QLinearGradient top(0, floor.top(), 0, floor.top() + 7);
        top.setColorAt(0, QColor(0, 0, 0, 110));
        top.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRect(floor.left(), floor.top(), floor.width(), 7), top);
        QLinearGradient left(floor.left(), 0, floor.left() + 5, 0);
        left.setColorAt(0, QColor(0, 0, 0, 80));
        left.setColorAt(1, QColor(0, 0, 0, 0));
        p.fillRect(QRect(floor.left(), floor.top(), 5, floor.height()), left);
    }
}

void ConsoleBackground::paintLight() {
    QPainter p(&m_image);
    // A broad sheen on the varnish from a window at the upper left.
    QLinearGradient sheen(0, 0, kWidth, kHeight);
    sheen.setColorAt(0.0, QColor(0xff, 0xf0, 0xd8, 34));
    sheen.setColorAt(0.35, QColor(0xff, 0xf0, 0xd8, 10));
    sheen.setColorAt(0.6, QColor(0xff, 0xf0, 0xd8, 0));
    sheen.setColorAt(1.0, QColor(0, 0, 0, 26));
    p.fillRect(m_image.rect(), sheen);
    // Darker towards the edges, as a console stands in a dim church.
    QRadialGradient vignette(kWidth / 2.0, kHeight * 0.45, kWidth * 0.75);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 70));
    p.fillRect(m_image.rect(), vignette);
}

QColor ConsoleBackground::meanColour(const QRect& area) const {
    double r = 0, g = 0, b = 0;
    int n = 0;
    const QRect a = area.intersected(m_image.rect());
    for (int y = a.top(); y <= a.bottom(); ++y) {
        for (int x = a.left(); x <= a.right(); ++x) {
            const QRgb c = m_image.pixel(x, y);
            r += qRed(c);
            g += qGreen(c);
            b += qBlue(c);
            ++n;
        }
    }
    return n ? QColor(int(r / n + 0.5), int(g / n + 0.5), int(b / n + 0.5)) : QColor(Qt::black);
}

} // namespace vorlo::artgen
