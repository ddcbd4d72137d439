#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the Total Recall display, each named once with its kind, in the order the window
// declares them.
namespace vorlo::ctl::totalrecall {

inline constexpr FormId Window{forms::TotalRecall};

inline constexpr ControlId LabelNomeprog{"LabelNomeprog", ControlKind::Label};
inline constexpr ControlId Image1{"Image1", ControlKind::Picture};
inline constexpr ControlId Label1{"Label1", ControlKind::Label};
inline constexpr ControlId Label2{"Label2", ControlKind::Label};

} // namespace vorlo::ctl::totalrecall
