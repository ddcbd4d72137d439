// Placeholder: the implementation comes with its subsystem.
#include "Thru.h"

namespace vorlo {

Thru::Thru(Console& console) : console_(console) {}
void Thru::THRUBUTTON_Click() {}
void Thru::ADATTA_PULSANTE_THRU() {}
void Thru::refreshThruButton() {}
void Thru::MidiThru_Click() {}
void Thru::Form_Load() {}
void Thru::refresh() {}
void Thru::Thru_choose_Click(int index) {}
void Thru::Custom_Thru_label_Click(int index) {}
void Thru::Command1_Click() {}
void Thru::Command2_Click() {}

} // namespace vorlo
