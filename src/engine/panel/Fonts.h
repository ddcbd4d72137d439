#pragma once

#include "core/FontSpec.h"

namespace vorlo {

class Console;

// Panel fonts: the standard panel's fonts follow the panel size; the graphic panel's stop
// captions use the font chosen in the "Font setting" window.
class Fonts {
public:
    explicit Fonts(Console& console);

    void SET_FONTS_GRAPH_INTERFACE();
    void SET_FONTS_NORMAL_INTERFACE();
    // Menu "Font&s".
    void SetFont_Click();

    // "Font setting" window.
    void Form_Load();
    void ShowFont();
    void AutoFind();
    void Check_bold_Click();
    void Check_corsivo_Click();
    void VScroll_fontsize_Change();
    void lstSearch_Click();
    void txtSearch_Change();
    void txtSearch_GotFocus();
    void txtSearch_LostFocus();
    void Command_default_Click();
    void Command_ok_Click();
    void Command_Cancel_Click();

private:
    Console& console_;
    FontSpec SavedFont;
    bool ShowingFont = false;
    bool SearchFound = false;
};

} // namespace vorlo
