#include "BoundCheckBox.h"

#include "panel/Control.h"

namespace vorlo {

BoundCheckBox::BoundCheckBox(Control& control, std::optional<TwipsConverter> converter,
                             QWidget* parent)
    : QCheckBox(parent), binding_(control, *this, converter) {
    connect(&control, &Control::changed, this, &BoundCheckBox::refresh);
    // clicked() comes from the player only; the box then shows what the console made of it.
    connect(this, &QCheckBox::clicked, this, [this](bool ticked) {
        binding_.run([ticked](Control& c) { c.toggleCheck(ticked); });
        refresh();
    });
    refresh();
}

void BoundCheckBox::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    if (text() != c->caption())
        setText(c->caption());
    const Qt::CheckState state = c->value() == 0   ? Qt::Unchecked
                                 : c->value() == 2 ? Qt::PartiallyChecked
                                                   : Qt::Checked;
    if (checkState() != state)
        setCheckState(state);
    binding_.apply();
}

} // namespace vorlo
