#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the MIDI devices set-up window, each named once with its kind, in the order the
// window declares them.
namespace vorlo::ctl::setup {

inline constexpr FormId Window{forms::Setup};

inline constexpr ControlId LabelNomeprog{"LabelNomeprog", ControlKind::Label};
inline constexpr ControlId outputDevcombo{"outputDevcombo", ControlKind::ComboBox};
inline constexpr ControlId InputDev1Combo{"InputDev1Combo", ControlKind::ComboBox};
inline constexpr ControlId InputDev2Combo{"InputDev2Combo", ControlKind::ComboBox};
inline constexpr ControlArrayId Check_Filters{"Check_Filters", ControlKind::CheckBox, 0, 7};
inline constexpr ControlId FrameSysex{"FrameSysex", ControlKind::Frame};
inline constexpr ControlId FrameNote{"FrameNote", ControlKind::Frame};
inline constexpr ControlId LabelSysexHint{"LabelSysexHint", ControlKind::Label};
inline constexpr ControlId Slider1{"Slider1", ControlKind::Slider};
inline constexpr ControlId Slider2{"Slider2", ControlKind::Slider};
inline constexpr ControlId UserDelay{"UserDelay", ControlKind::Label};
inline constexpr ControlId Label_hang{"Label_hang", ControlKind::Label};
inline constexpr ControlId WireSpeedCombo{"WireSpeedCombo", ControlKind::ComboBox};
inline constexpr ControlId Command1{"Command1", ControlKind::Button};
inline constexpr ControlId Command3{"Command3", ControlKind::Button};
inline constexpr ControlId Refresh{"Refresh", ControlKind::Button};

} // namespace vorlo::ctl::setup
