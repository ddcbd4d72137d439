#include "BoundLineEdit.h"

#include "SystemColors.h"
#include "panel/Control.h"

#include <QApplication>
#include <QMouseEvent>

namespace vorlo {

BoundLineEdit::BoundLineEdit(Control& control, std::optional<TwipsConverter> converter,
                             QWidget* parent)
    : QLineEdit(parent), binding_(control, *this, converter) {
    connect(&control, &Control::changed, this, &BoundLineEdit::refresh);
    // textEdited() comes from the player only, never from setText().
    connect(this, &QLineEdit::textEdited, this,
            [this](const QString& t) { binding_.run([&t](Control& c) { c.editText(t); }); });
    refresh();
}

void BoundLineEdit::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (text() != c->text()) {
        const int cursor = cursorPosition();
        setText(c->text());
        setCursorPosition(std::min(cursor, static_cast<int>(c->text().size())));
    }
    refreshColours();
    binding_.apply();
}

void BoundLineEdit::refreshColours() {
    Control* c = binding_.control();
    QPalette pal = QApplication::palette();
    const QColor back = SystemColors::toQColor(c->backColor(), pal);
    const QColor fore = SystemColors::toQColor(c->foreColor(), pal);
    if (back.isValid())
        pal.setColor(QPalette::Base, back);
    if (fore.isValid())
        pal.setColor(QPalette::Text, fore);
    if (pal != palette())
        setPalette(pal);
}

void BoundLineEdit::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
    QLineEdit::mousePressEvent(e);
}

void BoundLineEdit::mouseReleaseEvent(QMouseEvent* e) {
    const bool click = pressed_ && e->button() == Qt::LeftButton && rect().contains(e->pos());
    pressed_ = false;
    QLineEdit::mouseReleaseEvent(e);
    if (click)
        binding_.run([](Control& c) { c.click(); });
}

void BoundLineEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    // The second press of a double click is not a click of its own.
    pressed_ = false;
    QLineEdit::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton)
        binding_.run([](Control& c) { c.dblClick(); });
}

void BoundLineEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    binding_.run([](Control& c) { c.gotFocus(); });
}

void BoundLineEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    binding_.run([](Control& c) { c.lostFocus(); });
}

} // namespace vorlo
