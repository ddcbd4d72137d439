#include "PanelLabel.h"

#include "Control.h"
#include "FontShrink.h"
#include "PictureCache.h"
#include "SystemColors.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace vorlo {
namespace {

// The smallest caption a shrunk label draws, as a share of its own font and in points.
constexpr double kSmallestShare = 0.6;
constexpr double kSmallestPoints = 5.0;

} // namespace

PanelLabel::PanelLabel(Control& control, Role role, std::optional<TwipsConverter> converter,
                       QWidget* parent)
    : QLabel(parent), binding_(control, *this, converter), role_(role),
      showsBorder_(converter.has_value() && role == Role::Text),
      fitsCaption_(converter.has_value() && role == Role::Text) {
    setTextFormat(Qt::PlainText);
    setWordWrap(role == Role::Text);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    connect(&control, &Control::changed, this, &PanelLabel::refresh);
    refresh();
}

void PanelLabel::setShowsBorder(bool on) {
    showsBorder_ = on;
    refresh();
}

QColor PanelLabel::backgroundColor() const {
    return autoFillBackground() ? palette().color(QPalette::Window) : QColor();
}

QColor PanelLabel::textColor() const {
    return palette().color(QPalette::WindowText);
}

void PanelLabel::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (role_ == Role::Text) {
        if (text() != c->caption())
            setText(c->caption());
    } else {
        refreshPicture();
    }
    const bool border = showsBorder_ && c->hasBorder() && !c->isTransparent();
    setFrameStyle(border ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
    setLineWidth(1);
    refreshColours();
    binding_.apply(role_ == Role::Picture && naturalSize_.isValid() ? naturalSize_ : QSize());
}

void PanelLabel::refreshPicture() {
    Control* c = binding_.control();
    const QString& file = c->picture();
    const QPixmap& natural = PictureCache::load(file);
    naturalSize_ = natural.isNull() ? QSize() : natural.size();
    // The picture fills a control that has a size; a control without one takes the picture's.
    QSize target = binding_.controlSize();
    const bool stretch = target.width() > 0 && target.height() > 0;
    if (!binding_.placesWidget() || !stretch)
        target = naturalSize_;
    const QString shown = natural.isNull() ? QString() : file;
    if (shown == shownPicture_ && target == shownSize_)
        return;
    shownPicture_ = shown;
    shownSize_ = target;
    if (natural.isNull()) {
        clear();
        return;
    }
    setPixmap(stretch && binding_.placesWidget() ? PictureCache::scaled(file, target) : natural);
}

void PanelLabel::refreshColours() {
    Control* c = binding_.control();
    // Only the roles set here are the label's own; the rest follow the parent.
    QPalette pal;
    const QColor back = SystemColors::toQColor(c->backColor(), QApplication::palette());
    const QColor fore = SystemColors::toQColor(c->foreColor(), QApplication::palette());
    const bool fill = role_ == Role::Text && !c->isTransparent() && back.isValid();
    if (fill)
        pal.setColor(QPalette::Window, back);
    if (fore.isValid())
        pal.setColor(QPalette::WindowText, fore);
    setAutoFillBackground(fill);
    setPalette(pal);
}

int PanelLabel::textFlags() const {
    return static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
}

QRect PanelLabel::textRect(const QFont& font) const {
    // Where QLabel puts its text: inside the frame and margin, indented from the aligned edges
    // by half an "x" on a framed label.
    QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int in = indent();
    if (in < 0 && frameWidth() > 0)
        in = QFontMetrics(font).horizontalAdvance(QLatin1Char('x')) / 2 - margin();
    if (in > 0) {
        const Qt::Alignment a = alignment();
        if (a & Qt::AlignLeft)
            r.setLeft(r.left() + in);
        if (a & Qt::AlignRight)
            r.setRight(r.right() - in);
        if (a & Qt::AlignTop)
            r.setTop(r.top() + in);
        if (a & Qt::AlignBottom)
            r.setBottom(r.bottom() - in);
    }
    return r;
}

bool PanelLabel::fits(const QFont& font) const {
    const QRect r = textRect(font);
    const QRect needed = QFontMetrics(font).boundingRect(r, textFlags(), text());
    return needed.width() <= r.width() && needed.height() <= r.height();
}

QFont PanelLabel::shownFont() const {
    QFont f = font();
    if (!fitsCaption_ || text().trimmed().isEmpty() || f.pointSizeF() <= 0 || fits(f))
        return f;
    return FontShrink::fitted(
        f, FontShrink::smallestFor(f.pointSizeF(), kSmallestShare, kSmallestPoints),
        [this](const QFont& font) { return fits(font); });
}

void PanelLabel::setElideMode(Qt::TextElideMode mode) {
    elide_ = mode;
    QSizePolicy policy = sizePolicy();
    policy.setHorizontalPolicy(mode == Qt::ElideNone ? QSizePolicy::Preferred
                                                     : QSizePolicy::Ignored);
    setSizePolicy(policy);
    update();
}

QString PanelLabel::shownText() const {
    if (elide_ == Qt::ElideNone || wordWrap() || role_ != Role::Text)
        return text();
    return fontMetrics().elidedText(text(), elide_, textRect(font()).width());
}

void PanelLabel::paintEvent(QPaintEvent* e) {
    const QFont shown = shownFont();
    const QString caption = shownText();
    if (shown == font() && caption == text()) {
        QLabel::paintEvent(e);
        return;
    }
    // A caption too long for its label: drawn smaller or shortened, in the label's own place
    // and colours.
    QPainter p(this);
    drawFrame(&p);
    p.setFont(shown);
    style()->drawItemText(&p, textRect(shown), textFlags(), palette(), isEnabled(), caption,
                          foregroundRole());
}

void PanelLabel::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(e);
}

void PanelLabel::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
    pressed_ = false;
    QLabel::mouseReleaseEvent(e);
    if (click)
        binding_.run([](Control& c) { c.click(); });
}

void PanelLabel::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is not a click of its own.
    pressed_ = false;
    if (e->button() == Qt::LeftButton)
        binding_.run([](Control& c) { c.dblClick(); });
}

} // namespace vorlo
