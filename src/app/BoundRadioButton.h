#pragma once

#include "ControlBinding.h"

#include <QRadioButton>

namespace vorlo {

// An option button: chosen when the control's value is 1. The console clears the other
// buttons of the array, so Qt's own exclusivity is off.
class BoundRadioButton : public QRadioButton {
    Q_OBJECT
public:
    BoundRadioButton(Control& control, std::optional<TwipsConverter> converter,
                     QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }

public slots:
    void refresh();

private:
    ControlBinding binding_;
};

} // namespace vorlo
