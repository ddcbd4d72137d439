#pragma once

#include <QAction>
#include <QPointer>

#include "Control.h"

namespace vorlo {

// A menu item: caption (with its & accelerator), check mark, visibility and enabled state from
// the control; choosing it clicks the control. A caption of "-" is a separator line.
class BoundMenuAction : public QAction {
    Q_OBJECT
public:
    BoundMenuAction(Control& control, bool checkable, QObject* parent = nullptr);
    Control* control() const { return control_.data(); }

public slots:
    void refresh();

private:
    QPointer<Control> control_;
};

} // namespace vorlo
