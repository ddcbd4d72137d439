#pragma once

#include "ControlBinding.h"
#include "SliderSync.h"

#include <QSlider>

namespace vorlo {

// A horizontal slider: range and position from the control; moving it scrolls the control.
class BoundSlider : public QSlider {
    Q_OBJECT
public:
    BoundSlider(Control& control, std::optional<TwipsConverter> converter,
                QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }

public slots:
    void refresh();

private:
    ControlBinding binding_;
    SliderSync sync_;
};

} // namespace vorlo
