#pragma once

namespace vorlo {

class Form;
class PanelState;

// Window and control names of the console.
namespace forms {
inline constexpr char Main[] = "Vorlo2000";
inline constexpr char Advanced[] = "Advanced";
inline constexpr char Setup[] = "Set_up";
inline constexpr char Thru[] = "Thru_form";
inline constexpr char Fonts[] = "SetFonts";
inline constexpr char TotalRecall[] = "Totalrec";
// The on-screen keyboard: the Great, Swell and Pedal played with the mouse and computer keys.
inline constexpr char Keyboard[] = "OnScreenKeyboard";
// The built-in synthesizer's sound: audio driver and device, SoundFont, buffer, rate, volume.
inline constexpr char Sound[] = "SoundSetup";
// The Record window: what the console sends to the module and the built-in synthesizer's sound.
inline constexpr char Record[] = "RecordWindow";
inline constexpr char About[] = "frmABout";
// The help window: its control HelpBrowser shows the HTML file whose full path is its caption.
inline constexpr char Help[] = "HelpViewer";
// The stops table editor.
inline constexpr char Editor[] = "compilatore";
} // namespace forms

// Declares every window of the console with its controls and their design-time captions,
// tooltips and ranges. Layout procedures place them later.
void declareConsoleForms(PanelState& panel);

// Whether a window is minimised (collapsed on the task bar). The panel layer reports it as the
// window's state changes; the layouts read it, because a minimised window cannot be resized.
void setWindowMinimized(Form& form, bool minimized);
bool isWindowMinimized(const Form& form);

} // namespace vorlo
