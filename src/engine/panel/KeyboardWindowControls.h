#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the on-screen keyboard window, each named once with its kind, in the order the
// window declares them. The keys themselves are the window's own drawing of OnScreenKeyboard.
namespace vorlo::ctl::keyboard {

inline constexpr FormId Window{forms::Keyboard};

// The rows' names: 0 Great, 1 Swell, 2 Pedal.
inline constexpr ControlArrayId LabelRow{"LabelRow", ControlKind::Label, 0, 2};
// Which Great keys the computer keys play, and how to shift them.
inline constexpr ControlId LabelComputerKeys{"LabelComputerKeys", ControlKind::Label};

} // namespace vorlo::ctl::keyboard
