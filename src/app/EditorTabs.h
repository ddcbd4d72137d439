#pragma once

#include <QPointer>
#include <QTabWidget>

namespace vorlo {

class Control;

// A tab control: the control's items are the tab captions (an ampersand marks the access key),
// its value the tab shown. The player's choice of tab is written back to the control.
class EditorTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit EditorTabs(Control& control, QWidget* parent = nullptr);
    Control* control() const { return control_.data(); }

public slots:
    void refresh();

private:
    QPointer<Control> control_;
};

} // namespace vorlo
