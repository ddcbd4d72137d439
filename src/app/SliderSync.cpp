#include "SliderSync.h"

#include "ControlBinding.h"
#include "panel/Control.h"

#include <QAbstractSlider>

namespace vorlo {

SliderSync::SliderSync(ControlBinding& binding, QAbstractSlider& slider,
                       std::function<void()> afterRefresh)
    : binding_(binding), slider_(slider), afterRefresh_(std::move(afterRefresh)) {
    if (Control* c = binding_.control())
        connect(c, &Control::changed, this, &SliderSync::refresh);
    connect(&slider_, &QAbstractSlider::valueChanged, this, [this](int v) {
        if (!updating_)
            binding_.run([v](Control& c) { c.scroll(v); });
    });
}

void SliderSync::refresh() {
    Control* c = binding_.control();
    if (!c)
        return;
    updating_ = true;
    if (c->maximum() > c->minimum())
        slider_.setRange(c->minimum(), c->maximum());
    slider_.setSingleStep(c->smallChange());
    slider_.setPageStep(c->largeChange());
    if (afterRefresh_)
        afterRefresh_();
    slider_.setValue(c->value());
    updating_ = false;
    binding_.apply();
}

} // namespace vorlo
