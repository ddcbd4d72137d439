#pragma once

#include "core/ConsoleSlots.h"

namespace vorlo {

class ConsoleState;
struct ControlId;
class ConsoleUpdate;
class Form;
class PanelIndicators;
class PanelState;

// The pedal couplers, the manual couplers and the pedal sub-octave buttons. Switching them
// sends nothing: the input handlers copy the notes as they pass.
class Couplers {
public:
    Couplers(ConsoleState& state, PanelState& panel, PanelIndicators& indicators,
             ConsoleUpdate& update);

    void UNPI_Click();
    void UNPII_Click();
    void UN_GOSW_Click();
    void UN_SWGO_Click();
    void Subottava_Click();

private:
    // A pair of mutually exclusive couplers sharing one setting (1 first, 2 second).
    void switchCoupler(SlotArray& field, int pressed, const ControlId& first,
                       const ControlId& second);

    ConsoleState& state_;
    Form& main_;
    PanelIndicators& indicators_;
    ConsoleUpdate& update_;
};

} // namespace vorlo
