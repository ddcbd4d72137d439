#pragma once

#include <QPointer>

class QMenu;
class QWidget;

namespace vorlo {

class Control;

// The right-click menu of a control whose command the player may bind to a keyboard's key:
// "Learn from keyboard" and "Forget keyboard binding". Controls without that offer keep the
// window's usual right-click.
class LearnMenu {
public:
    static constexpr const char* LearnCaption = "&Learn from keyboard";
    static constexpr const char* ForgetCaption = "&Forget keyboard binding";

    // The widget shows the menu for the control from now on, when the control offers it.
    static void attach(QWidget& widget, QPointer<Control> control);
    // The menu for the control, or null when it offers nothing; the caller owns it.
    static QMenu* menuFor(Control& control, QWidget* parent);
};

} // namespace vorlo
