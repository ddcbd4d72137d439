#pragma once

namespace vorlo {

// The kind of window control a console control is drawn as.
enum class ControlKind {
    // An entry of a window's menu bar: it opens the menu items declared after it, or acts by
    // itself when none follow.
    Menu,
    MenuItem,
    // A menu item that shows a check mark.
    CheckMenuItem,
    Frame,
    Label,
    Picture,
    Button,
    Slider,
    ScrollBar,
    ComboBox,
    ListBox,
    CheckBox,
    OptionButton,
    TextBox,
};

} // namespace vorlo
