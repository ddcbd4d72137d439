#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the about window, each named once with its kind, in the order the window declares
// them.
namespace vorlo::ctl::about {

inline constexpr FormId Window{forms::About};

inline constexpr ControlId LabelNomeprog{"LabelNomeprog", ControlKind::Label};
inline constexpr ControlId Image1{"Image1", ControlKind::Picture};
inline constexpr ControlId Label1{"Label1", ControlKind::Label};
inline constexpr ControlId Command1{"Command1", ControlKind::Button};

} // namespace vorlo::ctl::about
