#pragma once

#include "panel/ConsoleForms.h"

namespace vorlo {

class Form;

// The stops table editor window: its five tabs of fields, the labels around them and its menu,
// with their design-time captions, tooltips and ranges.
namespace editor {
inline constexpr const char* Window = forms::Editor;
inline constexpr int kFondi = 30;
inline constexpr int kOthers = 20;
inline constexpr int kGlobals = 52;        // TextGlobal 0..51
inline constexpr int kGlobalMessages = 40; // TextGlobal 0..39 hold texts of their own
inline constexpr int kReinforcements = 50; // Rinforzabile 0..29 Fondi, 30..49 Ance/Archi
inline constexpr int kTabs = 5;
// The window's menu, in its order ("-" entries are separators).
inline constexpr const char* kMenu[] = {"mnuFile", "LoadDAT", "SaveDAT",     "Line1",
                                        "Enable",  "Line2",   "Uscita_abort"};
} // namespace editor

void declareEditorForm(Form& f);

} // namespace vorlo
