#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the Thru mode window, each named once with its kind, in the order the window
// declares them.
namespace vorlo::ctl::thru {

inline constexpr FormId Window{forms::Thru};

inline constexpr ControlId LabelNomeprog{"LabelNomeprog", ControlKind::Label};
inline constexpr ControlArrayId Thru_choose{"Thru_choose", ControlKind::OptionButton, 0, 2};
inline constexpr ControlId Label3{"Label3", ControlKind::Label};
inline constexpr ControlArrayId Label2{"Label2", ControlKind::Label, 3, 3};
inline constexpr ControlId Label1{"Label1", ControlKind::Label};
inline constexpr ControlArrayId LabelBody{"LabelBody", ControlKind::Label, 0, 2};
inline constexpr ControlArrayId LabelPlayOn{"LabelPlayOn", ControlKind::Label, 0, 2};
inline constexpr ControlArrayId Custom_Thru_label{"Custom_Thru_label", ControlKind::Label, 0, 2};
inline constexpr ControlId Command1{"Command1", ControlKind::Button};
inline constexpr ControlId Command2{"Command2", ControlKind::Button};

} // namespace vorlo::ctl::thru
