#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the help window, each named once with its kind, in the order the window declares
// them.
namespace vorlo::ctl::help {

inline constexpr FormId Window{forms::Help};

inline constexpr ControlId HelpBrowser{"HelpBrowser", ControlKind::Label};

} // namespace vorlo::ctl::help
