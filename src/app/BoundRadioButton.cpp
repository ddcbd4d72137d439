#include "BoundRadioButton.h"

#include "panel/Control.h"

namespace vorlo {

BoundRadioButton::BoundRadioButton(Control& control, std::optional<TwipsConverter> converter,
                                   QWidget* parent)
    : QRadioButton(parent), binding_(control, *this, converter) {
    setAutoExclusive(false);
    connect(&control, &Control::changed, this, &BoundRadioButton::refresh);
    connect(this, &QRadioButton::clicked, this, [this] {
        binding_.run([](Control& c) { c.selectOption(); });
        refresh();
    });
    refresh();
}

void BoundRadioButton::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (text() != c->caption())
        setText(c->caption());
    const bool chosen = c->value() == 1;
    if (isChecked() != chosen)
        setChecked(chosen);
    binding_.apply();
}

} // namespace vorlo
