#include "KeyRowWidget.h"

#include "OnScreenKeyboard.h"
#include "SystemColors.h"

#include <QMouseEvent>
#include <QPainter>
#include <array>

namespace vorlo {
namespace {

constexpr int kSemitones = 12;
constexpr int kNaturalsPerOctave = 7;
// For each semitone of the octave: whether it is a sharp, and the natural it is (or that it
// follows).
constexpr std::array<bool, kSemitones> kSharp = {false, true,  false, true,  false, false,
                                                 true,  false, true,  false, true,  false};
constexpr std::array<int, kSemitones> kNatural = {0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6};
// A sharp's width and length as parts of a natural's width and of the row's height.
constexpr double kSharpWidth = 0.6;
constexpr double kSharpLength = 0.6;

bool isSharp(int index) {
    return kSharp[static_cast<size_t>(index % kSemitones)];
}

// The natural a key is, or that a sharp follows, counted from the row's lowest C.
int naturalOf(int index) {
    return index / kSemitones * kNaturalsPerOctave +
           kNatural[static_cast<size_t>(index % kSemitones)];
}

} // namespace

KeyRowWidget::KeyRowWidget(OnScreenKeyboard& keyboard, DivisionId row, QWidget* parent)
    : QWidget(parent), keyboard_(keyboard), row_(row) {
    setObjectName(QStringLiteral("KeyRow%1").arg(static_cast<int>(row)));
    // The computer keys go to the window, never to a row.
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&keyboard_, &OnScreenKeyboard::keysChanged, this, qOverload<>(&QWidget::update));
}

QSize KeyRowWidget::sizeHint() const {
    const int keys = OnScreenKeyboard::keyCount(row_);
    const int naturals = naturalOf(keys - 1) + 1;
    return {naturals * kWhiteWidth + 1, row_ == DivisionId::Pedal ? kPedalHeight : kManualHeight};
}

QRect KeyRowWidget::keyRect(int index) const {
    const int h = height() - 1;
    const int x = naturalOf(index) * kWhiteWidth;
    if (!isSharp(index))
        return {x, 0, kWhiteWidth, h};
    const int w = static_cast<int>(kWhiteWidth * kSharpWidth);
    return {x + kWhiteWidth - w / 2, 0, w, static_cast<int>(h * kSharpLength)};
}

int KeyRowWidget::keyAt(const QPoint& point) const {
    const int keys = OnScreenKeyboard::keyCount(row_);
    // The sharps lie over the naturals.
    for (int i = 0; i < keys; ++i) {
        if (isSharp(i) && keyRect(i).contains(point))
            return i;
    }
    for (int i = 0; i < keys; ++i) {
        if (!isSharp(i) && keyRect(i).contains(point))
            return i;
    }
    return -1;
}

void KeyRowWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor lit = SystemColors::lit();
    const int keys = OnScreenKeyboard::keyCount(row_);
    p.setPen(Qt::black);
    for (int sharps = 0; sharps < 2; ++sharps) {
        for (int i = 0; i < keys; ++i) {
            if (isSharp(i) != (sharps == 1))
                continue;
            const bool held = keyboard_.isHeld(row_, i);
            p.setBrush(held ? lit : (sharps ? QColor(Qt::black) : QColor(Qt::white)));
            p.drawRect(keyRect(i));
        }
    }
    // The Great keys the computer keys play: a line under them.
    if (row_ == DivisionId::Great) {
        const int first = keyboard_.computerKeyBase();
        const int last =
            std::min(first + OnScreenKeyboard::kComputerCompass, OnScreenKeyboard::kManualKeys) - 1;
        const QRect from = keyRect(first);
        const QRect to = keyRect(last);
        p.fillRect(
            QRect(QPoint(from.left() + 2, height() - 5), QPoint(to.right() - 2, height() - 3)),
            palette().color(QPalette::Highlight));
    }
}

void KeyRowWidget::holdByMouse(int index) {
    if (index == mouseKey_)
        return;
    if (mouseKey_ >= 0)
        keyboard_.release(row_, mouseKey_);
    mouseKey_ = index;
    if (mouseKey_ >= 0)
        keyboard_.press(row_, mouseKey_);
}

void KeyRowWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        holdByMouse(keyAt(event->position().toPoint()));
    event->accept();
}

void KeyRowWidget::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        holdByMouse(keyAt(event->position().toPoint()));
    event->accept();
}

void KeyRowWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        holdByMouse(-1);
    event->accept();
}

} // namespace vorlo
