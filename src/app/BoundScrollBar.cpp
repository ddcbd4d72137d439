#include "BoundScrollBar.h"

#include "panel/Control.h"

namespace vorlo {

BoundScrollBar::BoundScrollBar(Control& control, std::optional<TwipsConverter> converter,
                               QWidget* parent)
    : QScrollBar(Qt::Vertical, parent), binding_(control, *this, converter) {
    setInvertedAppearance(true);
    setInvertedControls(true);
    connect(&control, &Control::changed, this, &BoundScrollBar::refresh);
    connect(this, &QScrollBar::valueChanged, this, [this](int v) {
        if (!updating_)
            binding_.run([v](Control& c) { c.scroll(v); });
    });
    refresh();
}

void BoundScrollBar::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    updating_ = true;
    if (c->maximum() > c->minimum())
        setRange(c->minimum(), c->maximum());
    setSingleStep(c->smallChange());
    setPageStep(c->largeChange());
    setValue(c->value());
    updating_ = false;
    binding_.apply();
}

} // namespace vorlo
