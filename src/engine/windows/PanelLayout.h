#pragma once

#include <QSizeF>

namespace vorlo {

class ConsoleState;
class Dialogs;
class Fonts;
class Form;
class PanelState;
class ThruModeWindow;
class Control;

// Places the console's controls for the standard panel (scaled by the panel size) or the
// graphic panel, and shows the memory indicators as labels or LEDs.
class PanelLayout {
public:
    // The standard panel's size factors.
    static constexpr double kMinScale = 0.8;
    static constexpr double kMaxScale = 1.6;

    PanelLayout(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ThruModeWindow& thru,
                Fonts& fonts);

    void ATTIVA_DISATTIVA_GRAPHIC_Interface();
    void LOAD_NORMAL_INTERFACE();
    void LOAD_GRAPHIC_INTERFACE();
    void VISUALIZZA_LED_O_PANNELLINI();
    void REGOLA_ALTEZZA_PULSANTI_BASSI();
    // Menu "Graphic interface".
    void Graphmode_Click();

    // The size factor the standard panel is drawn with: the panel size setting, kept within
    // kMinScale..kMaxScale (a damaged configuration file can hold anything).
    double scale() const;
    static double clampedScale(double panelScale);
    // The main window's size for a panel in twips: the graphic panel's fixed size, or the
    // standard panel's at the clamped size factor.
    static QSizeF mainWindowSize(bool graphic, double panelScale);

private:
    // Steps 2 to 8 of the standard layout: the placement that fails on a minimised window.
    void placeStandardPanel(double s);
    // Step 9: drawstop labels and name labels of every stop cell.
    void standardCellLooks();
    void placeGraphicPanel();
    void showPlacementError();
    void syncGraphmodeCheck();

    ConsoleState& state_;
    Form& main_;
    Dialogs& dialogs_;
    ThruModeWindow& thru_;
    Fonts& fonts_;
};

} // namespace vorlo
