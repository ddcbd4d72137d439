// Placeholder: the implementation comes with its subsystem.
#include "Fonts.h"

namespace vorlo {

Fonts::Fonts(Console& console) : console_(console) {}

void Fonts::SET_FONTS_GRAPH_INTERFACE() {}
void Fonts::SET_FONTS_NORMAL_INTERFACE() {}
void Fonts::SetFont_Click() {}
void Fonts::Form_Load() {}
void Fonts::ShowFont() {}
void Fonts::AutoFind() {}
void Fonts::Check_bold_Click() {}
void Fonts::Check_corsivo_Click() {}
void Fonts::VScroll_fontsize_Change() {}
void Fonts::lstSearch_Click() {}
void Fonts::txtSearch_Change() {}
void Fonts::txtSearch_GotFocus() {}
void Fonts::txtSearch_LostFocus() {}
void Fonts::Command_default_Click() {}
void Fonts::Command_ok_Click() {}
void Fonts::Command_Cancel_Click() {}

} // namespace vorlo
