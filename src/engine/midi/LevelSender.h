#pragma once

namespace vorlo {

class Console;

// Division levels (controller 11), stop-group balances (controllers 7, 8, 9, sent as
// 127 - balance) and the two tremolos (controller 1) on the division channels, and the
// tremolo buttons of the panel.
class LevelSender {
public:
    explicit LevelSender(Console& console);

    void EXPRESSION_GO();
    void EXPRESSION_SW();
    void EXPRESSION_PE();
    void BILANCIA_FONDI_GO();
    void BILANCIA_FONDI_SW();
    void BILANCIA_MUTAZ_GO();
    void BILANCIA_MUTAZ_SW();
    void BILANCIA_ANCIE_GO();
    void BILANCIA_ANCIE_SW();
    // v is the tremolo state; only 1 means on.
    void Send_Tremolo_GO(int v);
    void Send_Tremolo_SW(int v);

    void Tir_TREMOLOGO_Click();
    void TIR_TREMOLOSW_Click();

private:
    Console& console_;
};

} // namespace vorlo
