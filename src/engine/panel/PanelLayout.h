#pragma once

namespace vorlo {

class Console;

// Places the console's controls for the standard panel (scaled by the panel size) or the
// graphic panel, and shows the memory indicators as labels or LEDs.
class PanelLayout {
public:
    explicit PanelLayout(Console& console);

    void ATTIVA_DISATTIVA_GRAPHIC_Interface();
    void LOAD_NORMAL_INTERFACE();
    void LOAD_GRAPHIC_INTERFACE();
    void VISUALIZZA_LED_O_PANNELLINI();
    void REGOLA_ALTEZZA_PULSANTI_BASSI();
    void Graphmode_Click();

private:
    Console& console_;
};

} // namespace vorlo
