#pragma once

#include "ControlBinding.h"
#include "SliderSync.h"

#include <QScrollBar>

namespace vorlo {

// A vertical scroll bar whose up arrow raises the value; moving it scrolls the control.
class BoundScrollBar : public QScrollBar {
    Q_OBJECT
public:
    BoundScrollBar(Control& control, std::optional<TwipsConverter> converter,
                   QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }

public slots:
    void refresh();

private:
    ControlBinding binding_;
    SliderSync sync_;
};

} // namespace vorlo
