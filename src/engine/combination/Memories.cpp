// Placeholder: the implementation comes with its subsystem.
#include "Memories.h"

namespace vorlo {

Memories::Memories(Console& console) : console_(console) {}
void Memories::Memorie(int n) {}
void Memories::c_memory_Click(int index) {}
void Memories::Ledfree_Click(int index) {}
void Memories::Graduatore_Click(int index) {}
void Memories::LedFix_Click(int index) {}
void Memories::Rec_button_Click() {}
void Memories::Marca_Led_giallo() {}
void Memories::SPENGO_MEMORIE() {}
void Memories::Spengo_Graduatore() {}
void Memories::DisplayLeds_Click() {}
void Memories::Labelmode_Click() {}
void Memories::Scrivi_Label_memorie() {}
void Memories::Scrivi_ToolTips_memorie() {}
void Memories::SaveFIXED_Click() {}
void Memories::paintFree(int i, bool lit) {}
void Memories::paintFixed(int i, bool lit) {}

} // namespace vorlo
