#pragma once

#include "ConsoleForms.h"
#include "ControlId.h"

namespace vorlo {

class Form;

// The stops table editor window: its five tabs of fields, the labels around them and its menu,
// with their design-time captions, tooltips and ranges.
namespace editor {
inline constexpr int kFondi = 30;
inline constexpr int kOthers = 20;
inline constexpr int kGlobals = 52;        // TextGlobal 0..51
inline constexpr int kGlobalMessages = 40; // TextGlobal 0..39 hold texts of their own
inline constexpr int kReinforcements = 50; // Rinforzabile 0..29 Fondi, 30..49 Ance/Archi
inline constexpr int kTabs = 5;
} // namespace editor

void declareEditorForm(Form& f);

} // namespace vorlo

// The controls of the stops table editor, each named once with its kind, in the order the window
// declares them.
namespace vorlo::ctl::editor {

inline constexpr FormId Window{forms::Editor};

inline constexpr ControlId mnuFile{"mnuFile", ControlKind::Menu};
inline constexpr ControlId LoadDAT{"LoadDAT", ControlKind::MenuItem};
inline constexpr ControlId SaveDAT{"SaveDAT", ControlKind::MenuItem};
inline constexpr ControlId Line1{"Line1", ControlKind::MenuItem};
inline constexpr ControlId Enable{"Enable", ControlKind::MenuItem};
inline constexpr ControlId Line2{"Line2", ControlKind::MenuItem};
inline constexpr ControlId Uscita_abort{"Uscita_abort", ControlKind::MenuItem};
inline constexpr ControlArrayId LabelNomeprog{"LabelNomeprog", ControlKind::Label, 0, 3};
// The tab control; a window that draws it generically offers its tabs as a list.
inline constexpr ControlId SSTab1{"SSTab1", ControlKind::ComboBox};
inline constexpr ControlArrayId Text_NomiCorpi{"Text_NomiCorpi", ControlKind::TextBox, 0, 3};
inline constexpr ControlId LabelFondi{"LabelFondi", ControlKind::Label};
inline constexpr ControlArrayId TextFondi{"TextFondi", ControlKind::TextBox, 0,
                                          vorlo::editor::kFondi - 1};
inline constexpr ControlArrayId Rinforzabile{"Rinforzabile", ControlKind::CheckBox, 0,
                                             vorlo::editor::kReinforcements - 1};
inline constexpr ControlArrayId TextMutaz{"TextMutaz", ControlKind::TextBox, 0,
                                          vorlo::editor::kOthers - 1};
inline constexpr ControlId LabelAncie{"LabelAncie", ControlKind::Label};
inline constexpr ControlArrayId TextAncie{"TextAncie", ControlKind::TextBox, 0,
                                          vorlo::editor::kOthers - 1};
inline constexpr ControlArrayId TextPedale{"TextPedale", ControlKind::TextBox, 0,
                                           vorlo::editor::kOthers - 1};
inline constexpr ControlId FrameGlobal{"FrameGlobal", ControlKind::Frame};
inline constexpr ControlArrayId LabelGlobal{"LabelGlobal", ControlKind::Label, 0, 4};
inline constexpr ControlArrayId LabelReset{"LabelReset", ControlKind::Label, 0, 3};
inline constexpr ControlArrayId TextGlobal{"TextGlobal", ControlKind::TextBox, 0,
                                           vorlo::editor::kGlobals - 1};
inline constexpr ControlId Resize_frame{"Resize_frame", ControlKind::Frame};
inline constexpr ControlId Slidersize{"Slidersize", ControlKind::Slider};
inline constexpr ControlId LabelSize{"LabelSize", ControlKind::Label};
inline constexpr ControlId LabelResize{"LabelResize", ControlKind::Label};
inline constexpr ControlId Redraw{"Redraw", ControlKind::Button};
inline constexpr ControlId LabelResizeNote{"LabelResizeNote", ControlKind::Label};
inline constexpr ControlId LabelSyxIndex{"LabelSyxIndex", ControlKind::Label};
inline constexpr ControlId Syx_index{"Syx_index", ControlKind::Label};
inline constexpr ControlId LabelSyxLength{"LabelSyxLength", ControlKind::Label};
inline constexpr ControlId Syx_lenght{"Syx_lenght", ControlKind::Label};
inline constexpr ControlArrayId LabelLegend{"LabelLegend", ControlKind::Label, 0, 3};
inline constexpr ControlId CommandName{"CommandName", ControlKind::Button};
inline constexpr ControlId File_label{"File_label", ControlKind::Label};

} // namespace vorlo::ctl::editor
