#pragma once

namespace vorlo {

class Console;

// The Advanced window's handlers: balance and level sliders with their coupling, the recall
// check boxes, temperament and its start note, reverb, tremolo type and rate.
class AdvancedControls {
public:
    explicit AdvancedControls(Console& console);

    // Menu "Advanced" and the window.
    void advanced_s_Click();
    void Form_Load();

    void SliderFondi_Scroll(int index);
    void SliderMutazioni_Scroll(int index);
    void SliderAncie_Scroll(int index);
    void SliderGO_Scroll();
    void SliderSW_Scroll();
    void SliderPE_Scroll();
    void OptionGlobalCoupling_Click(int index);
    void Memory_Recall_Click(int index);
    void Temperamenti_Click();
    void NotaInizTemp_Click();
    void Riverberi_Click();
    void TremoloType_Click();
    void SliderTremoloRate_Scroll();
    // Rebuilds the 32 temperament messages from the chosen temperament and start note.
    void Calcola_Sysex_Temp();

private:
    void sendTemperament();

    Console& console_;
};

} // namespace vorlo
