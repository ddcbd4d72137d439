#include "Drawstops.h"

#include "Memories.h"
#include "core/Console.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

namespace vorlo {

Drawstops::Drawstops(Console& console) : console_(console) {
    Form& main = console_.mainForm();
    for (int i = 0; i < 30; ++i) {
        main(ctl::main::Tir_FO_GO, i).onClick = [this, i] { Tir_FO_GO_Click(i); };
        main(ctl::main::Tir_FO_SW, i).onClick = [this, i] { Tir_FO_SW_Click(i); };
        main(ctl::main::Tir_FO_GO_graph, i).onClick = [this, i] { Tir_FO_GO_graph_Click(i); };
        main(ctl::main::Tir_FO_SW_graph, i).onClick = [this, i] { Tir_FO_SW_graph_Click(i); };
    }
    for (int i = 0; i < 20; ++i) {
        main(ctl::main::Tir_MU_GO, i).onClick = [this, i] { Tir_MU_GO_Click(i); };
        main(ctl::main::Tir_MU_SW, i).onClick = [this, i] { Tir_MU_SW_Click(i); };
        main(ctl::main::Tir_AN_GO, i).onClick = [this, i] { Tir_AN_GO_Click(i); };
        main(ctl::main::Tir_AN_SW, i).onClick = [this, i] { Tir_AN_SW_Click(i); };
        main(ctl::main::NomePedale, i).onClick = [this, i] { NomePedale_Click(i); };
        main(ctl::main::Tir_MU_GO_graph, i).onClick = [this, i] { Tir_MU_GO_graph_Click(i); };
        main(ctl::main::Tir_MU_SW_graph, i).onClick = [this, i] { Tir_MU_SW_graph_Click(i); };
        main(ctl::main::Tir_AN_GO_graph, i).onClick = [this, i] { Tir_AN_GO_graph_Click(i); };
        main(ctl::main::Tir_AN_SW_graph, i).onClick = [this, i] { Tir_AN_SW_graph_Click(i); };
        main(ctl::main::Tir_PED_graph, i).onClick = [this, i] { Tir_PED_graph_Click(i); };
    }
    for (int g = 1; g <= 2; ++g) {
        main(ctl::main::Button_Annullatori_go, g).onClick = [this, g] {
            Button_Annullatori_go_Click(g);
        };
        main(ctl::main::Button_Annullatori_sw, g).onClick = [this, g] {
            Button_Annullatori_sw_Click(g);
        };
    }
    main(ctl::main::CancelALL).onClick = [this] { CancelALL_Click(); };
}

// Draws row r of a group: the group's position becomes r, the console update sends it, and the
// fixed-memory ladder goes dark.
void Drawstops::draw(int field, int row) {
    ConsoleState& st = console_.state();
    st[static_cast<SlotField>(field)][SlotLive] = static_cast<int16_t>(row);
    console_.AGGIORNAMENTO_VORLO();
    console_.memories().Spengo_Graduatore();
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
    ConsoleState& st = console_.state();
    if (family < 0 || family > 2)
        return;
    int16_t& v = st.MemAnnullGO[family][SlotLive];
    v = v != 0 ? 0 : 1;
    console_.AGGIORNAMENTO_VORLO();
}

void Drawstops::Button_Annullatori_sw_Click(int family) {
    ConsoleState& st = console_.state();
    if (family < 0 || family > 2)
        return;
    int16_t& v = st.MemAnnullSW[family][SlotLive];
    v = v != 0 ? 0 : 1;
    console_.AGGIORNAMENTO_VORLO();
}

void Drawstops::CancelALL_Click() {
    ConsoleState& st = console_.state();
    Control& button = console_.mainForm()(ctl::main::CancelALL);
    button.setBackColor(color::Lit);
    for (SlotField f : {SlotField::MemFO_GO, SlotField::MemFO_SW, SlotField::MemMU_GO,
                        SlotField::MemMU_SW, SlotField::MemAN_GO, SlotField::MemAN_SW,
                        SlotField::MemPED, SlotField::MemTremGO, SlotField::MemTremSW,
                        SlotField::MemUnPedale, SlotField::MemUnManuali, SlotField::MemSubottava})
        st[f][SlotLive] = 0;
    for (int g = 0; g < 3; ++g) {
        st.MemAnnullGO[g][SlotLive] = 1;
        st.MemAnnullSW[g][SlotLive] = 1;
    }
    console_.AGGIORNAMENTO_VORLO();
    console_.memories().SPENGO_MEMORIE();
    console_.memories().Spengo_Graduatore();
    button.setBackColor(color::ButtonFace);
}

} // namespace vorlo
