#pragma once

#include <cstdint>

namespace vorlo {

class ConsoleState;
struct Division;
enum class StopFamily;
class Form;
class LevelSender;
class ConsoleListener;
class PanelState;
class ScreenMetrics;
class SysexSender;

// The Advanced window's handlers: balance and level sliders with their coupling, the recall
// check boxes, temperament and its start note, reverb, tremolo type and rate.
class AdvancedControls {
public:
    AdvancedControls(ConsoleState& state, PanelState& panel, ScreenMetrics& screen,
                     ConsoleListener& indicators, LevelSender& levels, SysexSender& sysex);

    // Menu "Advanced" and the window.
    void advanced_s_Click();
    void Form_Load();

    void SliderFondi_Scroll(int index);
    void SliderMutazioni_Scroll(int index);
    void SliderAncie_Scroll(int index);
    // Sets a division's level as if its slider were moved there: the coupled sliders follow
    // and every level moved is sent, the followers first.
    void applyLevel(const Division& d, int16_t value);
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
    // A family's balance slider of a manual (element 1 Great, 2 Swell) was moved.
    void balanceScrolled(StopFamily family, int index);
    // A division's level slider was moved.
    void levelScrolled(const Division& d);

    void sendTemperament();

    ConsoleState& state_;
    Form& adv_;
    Form& main_;
    ScreenMetrics& screen_;
    ConsoleListener& indicators_;
    LevelSender& levels_;
    SysexSender& sysex_;
};

} // namespace vorlo
