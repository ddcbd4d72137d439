#include "KeyMapPicture.h"

#include "FontBook.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include <vector>

namespace vorlo::artgen {

namespace {

constexpr int kWhiteWidth = 27;
constexpr int kWhiteCount = 35;
constexpr int kLeft = (KeyMapPicture::kWidth - kWhiteWidth * kWhiteCount) / 2;
constexpr int kBandTop = 32;
constexpr int kBandHeight = 16;
constexpr int kUpperLabelsBottom = 138;
constexpr int kKeysTop = 142;
constexpr int kWhiteHeight = 98;
constexpr int kBlackHeight = 60;
constexpr int kBlackWidth = 17;
constexpr int kLowerLabelsTop = kKeysTop + kWhiteHeight + 4;
constexpr int kLabelLength = 88; // room for a label along its key

struct Group {
    int first;
    int last;
    QColor colour;
    QString name; // empty: no band (the lone panic keys)
};

const std::vector<Group>& groups() {
    static const std::vector<Group> g = {
        {36, 40, QColor(0x2f, 0x6f, 0xd0), QStringLiteral("Steps")},
        {41, 47, QColor(0x0f, 0x92, 0x84), QStringLiteral("Target group")},
        {48, 51, QColor(0x86, 0x4c, 0xc4), QStringLiteral("Couplers")},
        {52, 58, QColor(0xdc, 0x7e, 0x14), QStringLiteral("Console")},
        {59, 59, QColor(0x50, 0x50, 0x50), QString()},
        {60, 71, QColor(0x2a, 0x9a, 0x36), QStringLiteral("Free memories 1-12")},
        {72, 83, QColor(0xc8, 0x32, 0x28), QStringLiteral("Fixed memories 1-12")},
        {84, 87, QColor(0xb8, 0x92, 0x10), QStringLiteral("Cancels")},
        {88, 88, QColor(0x50, 0x50, 0x50), QString()},
        {89, 94, QColor(0xcc, 0x3c, 0x88), QStringLiteral("Settings")},
        {95, 95, QColor(0x50, 0x50, 0x50), QString()},
    };
    return g;
}

const Group& groupOf(int key) {
    for (const Group& g : groups()) {
        if (key >= g.first && key <= g.last)
            return g;
    }
    return groups().front();
}

int whiteIndex(int key) {
    static const int inOctave[12] = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
    const int k = key - KeyMapPicture::kFirstKey;
    return (k / 12) * 7 + inOctave[k % 12];
}

// Horizontal span of a key on the keyboard.
QRectF keyRect(int key) {
    const int w = whiteIndex(key);
    if (KeyMapPicture::isBlack(key)) {
        const double boundary = kLeft + w * kWhiteWidth + kWhiteWidth;
        return QRectF(boundary - kBlackWidth / 2.0, kKeysTop, kBlackWidth, kBlackHeight);
    }
    return QRectF(kLeft + w * kWhiteWidth, kKeysTop, kWhiteWidth, kWhiteHeight);
}

double centreOf(int key) {
    return keyRect(key).center().x();
}

// Where one key's share of the band row ends and the next key's begins.
double boundaryAfter(int key) {
    if (key == KeyMapPicture::kLastKey)
        return keyRect(key).right();
    return (centreOf(key) + centreOf(key + 1)) / 2;
}

double boundaryBefore(int key) {
    if (key == KeyMapPicture::kFirstKey)
        return keyRect(key).left();
    return boundaryAfter(key - 1);
}

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

const char* const kNoteNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                    "F#", "G",  "G#", "A",  "A#", "B"};

} // namespace

bool KeyMapPicture::isBlack(int key) {
    switch (key % 12) {
    case 1:
    case 3:
    case 6:
    case 8:
    case 10:
        return true;
    default:
        return false;
    }
}

KeyMapPicture::Label KeyMapPicture::labelOf(int key) {
    if (key >= 60 && key <= 71)
        return {QString(), QString(), key - 59};
    if (key >= 72 && key <= 83)
        return {QString(), QString(), key - 71};
    switch (key) {
    case 36:
        return {QStringLiteral("Step \u221210"), QString()};
    case 37:
        return {QStringLiteral("Step \u22121"), QString()};
    case 38:
        return {QStringLiteral("Position 14"), QString()};
    case 39:
        return {QStringLiteral("Step +1"), QString()};
    case 40:
        return {QStringLiteral("Step +10"), QString()};
    case 41:
        return {QStringLiteral("Great"), QStringLiteral("Fondi")};
    case 42:
        return {QStringLiteral("Swell"), QStringLiteral("Fondi")};
    case 43:
        return {QStringLiteral("Great"), QStringLiteral("Mutazioni")};
    case 44:
        return {QStringLiteral("Swell"), QStringLiteral("Mutazioni")};
    case 45:
        return {QStringLiteral("Great"), QStringLiteral("Ance/Archi")};
    case 46:
        return {QStringLiteral("Swell"), QStringLiteral("Ance/Archi")};
    case 47:
        return {QStringLiteral("Pedale"), QString()};
    case 48:
        return {QStringLiteral("Go to"), QStringLiteral("Swell")};
    case 49:
        return {QStringLiteral("Great to"), QStringLiteral("Pedal (I-P)")};
    case 50:
        return {QStringLiteral("Swell"), QStringLiteral("to Go")};
    case 51:
        return {QStringLiteral("Swell to"), QStringLiteral("Pedal (II-P)")};
    case 52:
        return {QStringLiteral("Clear free"), QStringLiteral("memories")};
    case 53:
        return {QStringLiteral("Rec"), QString()};
    case 54:
        return {QStringLiteral("Thru body"), QString()};
    case 55:
        return {QStringLiteral("Reset"), QString()};
    case 56:
        return {QStringLiteral("Swell"), QStringLiteral("tremolo")};
    case 57:
        return {QStringLiteral("Cancel all"), QString()};
    case 58:
        return {QStringLiteral("Great"), QStringLiteral("tremolo")};
    case 84:
        return {QStringLiteral("Cancel Great"), QStringLiteral("Mutazioni")};
    case 85:
        return {QStringLiteral("Cancel Swell"), QStringLiteral("Mutazioni")};
    case 86:
        return {QStringLiteral("Cancel Great"), QStringLiteral("Ance/Archi")};
    case 87:
        return {QStringLiteral("Cancel Swell"), QStringLiteral("Ance/Archi")};
    case 89:
        return {QStringLiteral("Temperament"), QStringLiteral("previous")};
    case 90:
        return {QStringLiteral("Temperament"), QStringLiteral("next")};
    case 91:
        return {QStringLiteral("Tuning note"), QStringLiteral("previous")};
    case 92:
        return {QStringLiteral("Tuning note"), QStringLiteral("next")};
    case 93:
        return {QStringLiteral("Reverb"), QStringLiteral("previous")};
    case 94:
        return {QStringLiteral("Reverb"), QStringLiteral("next")};
    default: // 59, 88, 95 and every key outside the map
        return {QStringLiteral("Panic"), QString()};
    }
}

QImage KeyMapPicture::render() {
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(QColor(0xfb, 0xf8, 0xf1));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    // Title.
    p.setFont(FontBook::sans(16, true));
    p.setPen(QColor(0x2a, 0x22, 0x1c));
    p.drawText(QRectF(kLeft, 4, kWidth - 2 * kLeft, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Total Recall key map: press the sustain pedal, then a key"));
    p.setFont(FontBook::sans(11));
    p.setPen(QColor(0x6a, 0x60, 0x58));
    p.drawText(QRectF(kLeft, 4, kWidth - 2 * kLeft, 24), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("keys 36 (C2) to 95 (B6)"));

    // Bands naming the groups.
    p.setFont(FontBook::sans(11, true));
    for (const Group& g : groups()) {
        if (g.name.isEmpty())
            continue;
        const QRectF band(boundaryBefore(g.first) + 1, kBandTop,
                          boundaryAfter(g.last) - boundaryBefore(g.first) - 2, kBandHeight);
        p.setPen(Qt::NoPen);
        p.setBrush(g.colour);
        p.drawRoundedRect(band, 3, 3);
        p.setPen(Qt::white);
        p.drawText(band, Qt::AlignCenter, g.name);
    }

    // White keys first, then the black keys over them.
    for (int pass = 0; pass < 2; ++pass) {
        for (int key = kFirstKey; key <= kLastKey; ++key) {
            const bool black = isBlack(key);
            if (black != (pass == 1))
                continue;
            const QRectF r = keyRect(key);
            const QColor colour = groupOf(key).colour;
            if (black) {
                QLinearGradient g(r.left(), 0, r.right(), 0);
                const QColor body = mix(QColor(0x14, 0x12, 0x12), colour, 0.55);
                g.setColorAt(0, body.darker(130));
                g.setColorAt(0.35, body.lighter(125));
                g.setColorAt(1, body.darker(150));
                p.setPen(QPen(QColor(0x10, 0x0c, 0x0a), 1));
                p.setBrush(g);
                p.drawRoundedRect(r.adjusted(0.5, -2, -0.5, -0.5), 2, 2);
            } else {
                QLinearGradient g(0, r.top(), 0, r.bottom());
                g.setColorAt(0, mix(Qt::white, colour, 0.16));
                g.setColorAt(1, mix(Qt::white, colour, 0.34));
                p.setPen(QPen(QColor(0x50, 0x48, 0x40), 1));
                p.setBrush(g);
                p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
            }
            const Label label = labelOf(key);
            if (label.memory > 0) {
                p.setFont(FontBook::sans(black ? 10 : 12, true));
                p.setPen(black ? Qt::white : colour.darker(140));
                const QRectF at = black ? QRectF(r.left(), r.bottom() - 20, r.width(), 16)
                                        : QRectF(r.left(), r.top() + 66, r.width(), 16);
                p.drawText(at, Qt::AlignCenter, QString::number(label.memory));
            }
            if (key % 12 == 0) {
                p.setFont(FontBook::sans(9));
                p.setPen(QColor(0x5a, 0x50, 0x48));
                p.drawText(QRectF(r.left(), r.bottom() - 16, r.width(), 14), Qt::AlignCenter,
                           QStringLiteral("%1%2")
                               .arg(QLatin1String(kNoteNames[key % 12]))
                               .arg(key / 12 - 1));
            }
        }
    }
    p.setPen(QPen(QColor(0x30, 0x28, 0x22), 2));
    p.drawLine(QPointF(kLeft, kKeysTop - 2),
               QPointF(kLeft + kWhiteCount * kWhiteWidth, kKeysTop - 2));

    // Labels, written upwards along their key: black keys above, white keys below.
    const QFont font = FontBook::sans(10);
    const QFontMetrics fm(font);
    p.setFont(font);
    for (int key = kFirstKey; key <= kLastKey; ++key) {
        const Label label = labelOf(key);
        if (label.memory > 0)
            continue;
        const bool black = isBlack(key);
        const bool twoLines = !label.second.isEmpty();
        const double cx = centreOf(key);
        const int lineHeight = fm.height() - 1;
        const double blockWidth = twoLines ? 2 * lineHeight : lineHeight;
        const QColor ink = groupOf(key).colour.darker(150);

        // A short leader from the label to its key, in the group's colour.
        p.setPen(QPen(groupOf(key).colour, 2));
        if (black)
            p.drawLine(QPointF(cx, kUpperLabelsBottom), QPointF(cx, kKeysTop + 4));
        else
            p.drawLine(QPointF(cx, kKeysTop + kWhiteHeight - 3), QPointF(cx, kLowerLabelsTop + 1));

        p.save();
        // Rotate so the text runs upwards; x of the rotated frame points up the picture.
        const double bottom = black ? kUpperLabelsBottom - 3 : kLowerLabelsTop + 3 + kLabelLength;
        p.translate(cx - blockWidth / 2, bottom);
        p.rotate(-90);
        p.setPen(ink);
        const Qt::Alignment along = black ? Qt::AlignLeft : Qt::AlignRight;
        p.drawText(QRectF(0, 0, kLabelLength, lineHeight), along | Qt::AlignVCenter, label.first);
        if (twoLines) {
            p.drawText(QRectF(0, lineHeight, kLabelLength, lineHeight), along | Qt::AlignVCenter,
                       label.second);
        }
        p.restore();
    }
    p.end();
    return img;
}

} // namespace vorlo::artgen
