#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

// The controls of the Advanced window, each named once with its kind, in the order the window
// declares them.
namespace vorlo::ctl::advanced {

inline constexpr FormId Window{forms::Advanced};

inline constexpr ControlId FrameGreat{"FrameGreat", ControlKind::Frame};
inline constexpr ControlId FrameSwell{"FrameSwell", ControlKind::Frame};
inline constexpr ControlId FramePedal{"FramePedal", ControlKind::Frame};
inline constexpr ControlId FrameCoupling{"FrameCoupling", ControlKind::Frame};
inline constexpr ControlArrayId SliderFondi{"SliderFondi", ControlKind::Slider, 1, 2};
inline constexpr ControlArrayId SliderMutazioni{"SliderMutazioni", ControlKind::Slider, 1, 2};
inline constexpr ControlArrayId SliderAncie{"SliderAncie", ControlKind::Slider, 1, 2};
inline constexpr ControlArrayId EXPfondi{"EXPfondi", ControlKind::Label, 1, 2};
inline constexpr ControlArrayId EXPmutazioni{"EXPmutazioni", ControlKind::Label, 1, 2};
inline constexpr ControlArrayId EXPancie{"EXPancie", ControlKind::Label, 1, 2};
inline constexpr ControlArrayId HeadingF{"HeadingF", ControlKind::Label, 1, 2};
inline constexpr ControlArrayId HeadingM{"HeadingM", ControlKind::Label, 1, 2};
inline constexpr ControlArrayId HeadingA{"HeadingA", ControlKind::Label, 1, 2};
inline constexpr ControlArrayId HeadingGlobal{"HeadingGlobal", ControlKind::Label, 1, 2};
inline constexpr ControlId SliderGO{"SliderGO", ControlKind::Slider};
inline constexpr ControlId SliderSW{"SliderSW", ControlKind::Slider};
inline constexpr ControlId SliderPE{"SliderPE", ControlKind::Slider};
inline constexpr ControlId EXPGO{"EXPGO", ControlKind::Label};
inline constexpr ControlId EXPSW{"EXPSW", ControlKind::Label};
inline constexpr ControlId EXPPE{"EXPPE", ControlKind::Label};
inline constexpr ControlArrayId OptionGlobalCoupling{"OptionGlobalCoupling",
                                                     ControlKind::OptionButton, 0, 2};
inline constexpr ControlId LabelRecall{"LabelRecall", ControlKind::Label};
inline constexpr ControlArrayId Memory_Recall{"Memory_Recall", ControlKind::CheckBox, 0, 1};
inline constexpr ControlId LabelTremolo{"LabelTremolo", ControlKind::Label};
inline constexpr ControlId LabelTemperament{"LabelTemperament", ControlKind::Label};
inline constexpr ControlId LabelReverb{"LabelReverb", ControlKind::Label};
inline constexpr ControlId LabelTune{"LabelTune", ControlKind::Label};
inline constexpr ControlId Temperamenti{"Temperamenti", ControlKind::ComboBox};
inline constexpr ControlId NotaInizTemp{"NotaInizTemp", ControlKind::ComboBox};
inline constexpr ControlId Riverberi{"Riverberi", ControlKind::ComboBox};
inline constexpr ControlId TremoloType{"TremoloType", ControlKind::ComboBox};
inline constexpr ControlId SliderTremoloRate{"SliderTremoloRate", ControlKind::Slider};
inline constexpr ControlId Valore{"Valore", ControlKind::Label};

} // namespace vorlo::ctl::advanced
