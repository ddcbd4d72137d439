#pragma once

namespace vorlo {

// The kind of window control a console control is drawn as.
enum class ControlKind {
    MenuItem,
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
