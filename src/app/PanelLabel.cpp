#include "PanelLabel.h"

#include "Control.h"
#include "PictureCache.h"
#include "SystemColors.h"

#include <QApplication>
#include <QMouseEvent>

namespace vorlo {

PanelLabel::PanelLabel(Control& control, Role role, std::optional<TwipsConverter> converter,
                       QWidget* parent)
    : QLabel(parent), binding_(control, *this, converter), role_(role),
      showsBorder_(converter.has_value() && role == Role::Text) {
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
