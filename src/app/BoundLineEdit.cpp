#include "BoundLineEdit.h"

#include "panel/Control.h"

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
    binding_.apply();
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
