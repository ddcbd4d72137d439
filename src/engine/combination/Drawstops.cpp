// Placeholder: the implementation comes with its subsystem.
#include "Drawstops.h"

namespace vorlo {

Drawstops::Drawstops(Console& console) : console_(console) {}
void Drawstops::Tir_FO_GO_Click(int row) {}
void Drawstops::Tir_FO_SW_Click(int row) {}
void Drawstops::Tir_MU_GO_Click(int row) {}
void Drawstops::Tir_MU_SW_Click(int row) {}
void Drawstops::Tir_AN_GO_Click(int row) {}
void Drawstops::Tir_AN_SW_Click(int row) {}
void Drawstops::NomePedale_Click(int row) {}
void Drawstops::Tir_FO_GO_graph_Click(int row) {}
void Drawstops::Tir_FO_SW_graph_Click(int row) {}
void Drawstops::Tir_MU_GO_graph_Click(int row) {}
void Drawstops::Tir_MU_SW_graph_Click(int row) {}
void Drawstops::Tir_AN_GO_graph_Click(int row) {}
void Drawstops::Tir_AN_SW_graph_Click(int row) {}
void Drawstops::Tir_PED_graph_Click(int row) {}
void Drawstops::Button_Annullatori_go_Click(int family) {}
void Drawstops::Button_Annullatori_sw_Click(int family) {}
void Drawstops::CancelALL_Click() {}
void Drawstops::draw(int field, int row) {}

} // namespace vorlo
