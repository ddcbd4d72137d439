#pragma once

#include "ControlBinding.h"

#include <QCheckBox>

namespace vorlo {

// A check box: ticked when the control's value is 1; the player's ticks go to the control.
class BoundCheckBox : public QCheckBox {
    Q_OBJECT
public:
    BoundCheckBox(Control& control, std::optional<TwipsConverter> converter,
                  QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }

public slots:
    void refresh();

private:
    ControlBinding binding_;
};

} // namespace vorlo
