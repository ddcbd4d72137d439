#pragma once

namespace vorlo {

class ConsoleState;
class ConsoleUpdate;
class Form;
class Memories;
class PanelState;

// Group drawstops of both panels, the family cancels of each manual and the cancel-all.
class Drawstops {
public:
    Drawstops(ConsoleState& state, PanelState& panel, ConsoleUpdate& update, Memories& memories);

    void Tir_FO_GO_Click(int row);
    void Tir_FO_SW_Click(int row);
    void Tir_MU_GO_Click(int row);
    void Tir_MU_SW_Click(int row);
    void Tir_AN_GO_Click(int row);
    void Tir_AN_SW_Click(int row);
    void NomePedale_Click(int row);
    void Tir_FO_GO_graph_Click(int row);
    void Tir_FO_SW_graph_Click(int row);
    void Tir_MU_GO_graph_Click(int row);
    void Tir_MU_SW_graph_Click(int row);
    void Tir_AN_GO_graph_Click(int row);
    void Tir_AN_SW_graph_Click(int row);
    void Tir_PED_graph_Click(int row);
    void Button_Annullatori_go_Click(int family);
    void Button_Annullatori_sw_Click(int family);
    void CancelALL_Click();

private:
    void draw(int field, int row);

    ConsoleState& state_;
    Form& main_;
    ConsoleUpdate& update_;
    Memories& memories_;
};

} // namespace vorlo
