#pragma once

#include "ControlKind.h"

#include <QString>
#include <Qt>

namespace vorlo {

class Control;
class Form;

// What each console control is on screen: its kind, where its text sits, and which frame holds
// it. The console names its controls; the kind follows from the name.
class ControlKinds {
public:
    static ControlKind kindOf(const Form& form, const Control& control);
    static Qt::Alignment alignmentOf(const Form& form, const Control& control);
    // Key ("Name(index)") of the frame that holds the control; empty for the window itself.
    static QString containerOf(const Form& form, const Control& control);
    // Main-window menu items that carry a check mark.
    static bool isCheckableMenuItem(const Control& control);
    // Top-level entries of the main menu bar.
    static bool isTopLevelMenu(const Control& control);
};

} // namespace vorlo
