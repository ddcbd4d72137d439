#pragma once

#include "ControlBinding.h"

#include <QComboBox>

namespace vorlo {

// A drop-down list: entries and selection from the control; picking an entry chooses it on the
// control.
class BoundComboBox : public QComboBox {
    Q_OBJECT
public:
    BoundComboBox(Control& control, std::optional<TwipsConverter> converter,
                  QWidget* parent = nullptr);
    Control* control() const { return binding_.control(); }
    QStringList entries() const;

public slots:
    void refresh();

private:
    ControlBinding binding_;
    bool updating_ = false;
};

} // namespace vorlo
