#pragma once

#include "ControlBinding.h"

#include <QListWidget>

namespace vorlo {

// A list box: entries and selection from the control; the chosen entry is scrolled to the top
// of the list. Selecting an entry chooses it on the control.
class BoundListWidget : public QListWidget {
    Q_OBJECT
public:
    BoundListWidget(Control& control, std::optional<TwipsConverter> converter,
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
