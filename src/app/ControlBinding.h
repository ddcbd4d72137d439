#pragma once

#include "Control.h"
#include "TwipsConverter.h"

#include <QPointer>
#include <QSize>
#include <functional>
#include <optional>

class QWidget;

namespace vorlo {

// What every widget that draws a console control shares: its name, and showing the control's
// visibility, enabled state, tooltip, font and, when the widget is placed by the console rather
// than by a Qt layout, its position and size in twips.
class ControlBinding {
public:
    // converter empty: a Qt layout places the widget.
    ControlBinding(Control& control, QWidget& widget, std::optional<TwipsConverter> converter);

    Control* control() const { return control_.data(); }
    bool placesWidget() const { return converter_.has_value(); }

    // natural: the size the widget takes where the control sets none.
    void apply(QSize natural = {});
    // The control's size in pixels; -1 where it has none.
    QSize controlSize() const;

    // Runs one of the control's event methods; a failing handler is reported, never let
    // through the window system.
    void run(const std::function<void(Control&)>& event) const { run(control_, event); }
    // The same for a control that may be gone (null).
    static void run(Control* control, const std::function<void(Control&)>& event);

    // objectName = the control's name; arrays carry their index in the "index" property.
    static void nameWidget(QWidget& widget, const Control& control);

private:
    QPointer<Control> control_;
    QWidget& widget_;
    std::optional<TwipsConverter> converter_;
};

} // namespace vorlo
