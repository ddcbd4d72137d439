#include "Drawstops.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "MainWindowControls.h"
#include "Memories.h"
#include "PanelState.h"

namespace vorlo {

Drawstops::Drawstops(ConsoleState& state, PanelState& panel, ConsoleUpdate& update,
                     Memories& memories)
    : state_(state), main_(panel.form(ctl::main::Window)), update_(update), memories_(memories) {}

// Draws row r of a group: the group's position becomes r, the console update sends it, and the
// fixed-memory ladder goes dark.
void Drawstops::draw(int field, int row) {
    ConsoleState& st = state_;
    st.live()[static_cast<SlotField>(field)] = static_cast<int16_t>(row);
    update_.AGGIORNAMENTO_VORLO();
    memories_.Spengo_Graduatore();
}

void Drawstops::Tir_FO_GO_Click(int row) {
    draw(static_cast<int>(SlotField::MemFO_GO), row);
}
void Drawstops::Tir_FO_SW_Click(int row) {
    draw(static_cast<int>(SlotField::MemFO_SW), row);
}
void Drawstops::Tir_MU_GO_Click(int row) {
    draw(static_cast<int>(SlotField::MemMU_GO), row);
}
void Drawstops::Tir_MU_SW_Click(int row) {
    draw(static_cast<int>(SlotField::MemMU_SW), row);
}
void Drawstops::Tir_AN_GO_Click(int row) {
    draw(static_cast<int>(SlotField::MemAN_GO), row);
}
void Drawstops::Tir_AN_SW_Click(int row) {
    draw(static_cast<int>(SlotField::MemAN_SW), row);
}
void Drawstops::NomePedale_Click(int row) {
    draw(static_cast<int>(SlotField::MemPED), row);
}
void Drawstops::Tir_FO_GO_graph_Click(int row) {
    Tir_FO_GO_Click(row);
}
void Drawstops::Tir_FO_SW_graph_Click(int row) {
    Tir_FO_SW_Click(row);
}
void Drawstops::Tir_MU_GO_graph_Click(int row) {
    Tir_MU_GO_Click(row);
}
void Drawstops::Tir_MU_SW_graph_Click(int row) {
    Tir_MU_SW_Click(row);
}
void Drawstops::Tir_AN_GO_graph_Click(int row) {
    Tir_AN_GO_Click(row);
}
void Drawstops::Tir_AN_SW_graph_Click(int row) {
    Tir_AN_SW_Click(row);
}
void Drawstops::Tir_PED_graph_Click(int row) {
    NomePedale_Click(row);
}

void Drawstops::Button_Annullatori_go_Click(int family) {
    ConsoleState& st = state_;
    if (family < 0 || family > 2)
        return;
    int16_t& v = st.live().MemAnnullGO[family];
    v = v != 0 ? 0 : 1;
    update_.AGGIORNAMENTO_VORLO();
}

void Drawstops::Button_Annullatori_sw_Click(int family) {
    ConsoleState& st = state_;
    if (family < 0 || family > 2)
        return;
    int16_t& v = st.live().MemAnnullSW[family];
    v = v != 0 ? 0 : 1;
    update_.AGGIORNAMENTO_VORLO();
}

void Drawstops::CancelALL_Click() {
    ConsoleState& st = state_;
    Control& button = main_(ctl::main::CancelALL);
    button.setBackColor(color::Lit);
    for (SlotField f : {SlotField::MemFO_GO, SlotField::MemFO_SW, SlotField::MemMU_GO,
                        SlotField::MemMU_SW, SlotField::MemAN_GO, SlotField::MemAN_SW,
                        SlotField::MemPED, SlotField::MemTremGO, SlotField::MemTremSW,
                        SlotField::MemUnPedale, SlotField::MemUnManuali, SlotField::MemSubottava})
        st.live()[f] = 0;
    for (int g = 0; g < 3; ++g) {
        st.live().MemAnnullGO[g] = 1;
        st.live().MemAnnullSW[g] = 1;
    }
    update_.AGGIORNAMENTO_VORLO();
    memories_.SPENGO_MEMORIE();
    memories_.Spengo_Graduatore();
    button.setBackColor(color::ButtonFace);
}

} // namespace vorlo
