#pragma once

#include "FontStyle.h"

namespace vorlo {

class ConsoleState;
class Dialogs;
class Form;
class PanelState;
class ScreenMetrics;
class Form;

// Panel fonts: the standard panel's fonts follow the panel size; the graphic panel's stop
// captions use the font chosen in the "Font setting" window.
class Fonts {
public:
    Fonts(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ScreenMetrics& screen);

    // The stop font of a fresh installation and of the window's Default button.
    static FontStyle defaultStopFont();
    // A font object nobody has set: an empty name stands for the platform's default face.
    static FontStyle unsetFont() { return FontStyle{}; }

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

    // The search text matched a font name.
    bool searchFound() const { return SearchFound; }

private:
    Form& window();
    // Writes a text into the search box as the program would: the box's change event runs
    // when the text differs.
    void setSearchText(const QString& text);
    void unloadWindow();

    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
    FontStyle LabelFont;
    FontStyle SelectorFont;
    FontStyle ButtonFont;
    FontStyle SavedFont;
    bool ShowingFont = false;
    bool SearchFound = false;
};

} // namespace vorlo
