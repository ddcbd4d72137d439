// Placeholder: the implementation comes with its subsystem.
#include "PanelLayout.h"

namespace vorlo {

PanelLayout::PanelLayout(Console& console) : console_(console) {}

void PanelLayout::ATTIVA_DISATTIVA_GRAPHIC_Interface() {}
void PanelLayout::LOAD_NORMAL_INTERFACE() {}
void PanelLayout::LOAD_GRAPHIC_INTERFACE() {}
void PanelLayout::VISUALIZZA_LED_O_PANNELLINI() {}
void PanelLayout::REGOLA_ALTEZZA_PULSANTI_BASSI() {}
void PanelLayout::Graphmode_Click() {}

} // namespace vorlo
