#pragma once

namespace vorlo {

class PanelState;

// Window and control names of the console.
namespace forms {
inline constexpr char Main[] = "Vorlo2000";
inline constexpr char Advanced[] = "Advanced";
inline constexpr char Setup[] = "Set_up";
inline constexpr char Thru[] = "Thru_form";
inline constexpr char Fonts[] = "SetFonts";
inline constexpr char TotalRecall[] = "Totalrec";
inline constexpr char About[] = "frmABout";
} // namespace forms

// Declares every window of the console with its controls and their design-time captions,
// tooltips and ranges. Layout procedures place them later.
void declareConsoleForms(PanelState& panel);

} // namespace vorlo
