#include "BoundSlider.h"

#include "panel/Control.h"

namespace vorlo {

BoundSlider::BoundSlider(Control& control, std::optional<TwipsConverter> converter, QWidget* parent)
    : QSlider(Qt::Horizontal, parent), binding_(control, *this, converter) {
    setTickPosition(QSlider::TicksBelow);
    connect(&control, &Control::changed, this, &BoundSlider::refresh);
    connect(this, &QSlider::valueChanged, this, [this](int v) {
        if (!updating_)
            binding_.run([v](Control& c) { c.scroll(v); });
    });
    refresh();
}

void BoundSlider::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    updating_ = true;
    if (c->maximum() > c->minimum())
        setRange(c->minimum(), c->maximum());
    setSingleStep(c->smallChange());
    setPageStep(c->largeChange());
    setTickInterval(std::max(1, (maximum() - minimum()) / 10));
    setValue(c->value());
    updating_ = false;
    binding_.apply();
}

} // namespace vorlo
