#pragma once

#include "ControlBinding.h"

#include <QGroupBox>

namespace vorlo {

// A frame: its caption is the group title; controls of the frame are its children.
class BoundGroupBox : public QGroupBox {
    Q_OBJECT
public:
    BoundGroupBox(Control& control, std::optional<TwipsConverter> converter,
                  QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }

public slots:
    void refresh();

private:
    ControlBinding binding_;
};

} // namespace vorlo
