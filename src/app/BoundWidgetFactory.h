#pragma once

#include "ControlKind.h"
#include "TwipsConverter.h"

#include <optional>

class QWidget;

namespace vorlo {

class Control;
class Form;

// Makes the widget that draws a control of a given kind (menu items excepted: they are
// actions, not widgets).
class BoundWidgetFactory {
public:
    static QWidget* create(const Form& form, Control& control, ControlKind kind,
                           std::optional<TwipsConverter> converter, QWidget* parent);
};

} // namespace vorlo
