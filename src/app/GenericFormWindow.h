#pragma once

#include "TwipsConverter.h"

#include <QHash>
#include <QWidget>

namespace vorlo {

class Console;
class Form;

// A plain rendering of any console window that has no window of its own yet: every control as
// its kind of widget, at the console's positions when it gives them, else in a grid.
class GenericFormWindow : public QWidget {
    Q_OBJECT
public:
    GenericFormWindow(Console& console, Form& form, QWidget* parent = nullptr);

    QWidget* controlWidget(const QString& name, int index = -1) const;

private:
    Form& form_;
    QHash<QString, QWidget*> widgets_;
};

} // namespace vorlo
