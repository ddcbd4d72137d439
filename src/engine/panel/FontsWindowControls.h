#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the font setting window, each named once with its kind, in the order the window
// declares them.
namespace vorlo::ctl::fonts {

inline constexpr FormId Window{forms::Fonts};

inline constexpr ControlId LabelNomeprog{"LabelNomeprog", ControlKind::Label};
inline constexpr ControlId Frame1{"Frame1", ControlKind::Frame};
inline constexpr ControlId lstSearch{"lstSearch", ControlKind::ListBox};
inline constexpr ControlId txtSearch{"txtSearch", ControlKind::TextBox};
inline constexpr ControlId VScroll_fontSize{"VScroll_fontSize", ControlKind::ScrollBar};
inline constexpr ControlId Label_size{"Label_size", ControlKind::Label};
inline constexpr ControlId Check_bold{"Check_bold", ControlKind::CheckBox};
inline constexpr ControlId Check_corsivo{"Check_corsivo", ControlKind::CheckBox};
inline constexpr ControlId Command_default{"Command_default", ControlKind::Button};
inline constexpr ControlId Command_ok{"Command_ok", ControlKind::Button};
inline constexpr ControlId Command_Cancel{"Command_Cancel", ControlKind::Button};

} // namespace vorlo::ctl::fonts
