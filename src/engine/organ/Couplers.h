#pragma once

#include "ConsoleListener.h"
#include "ConsoleSlots.h"

namespace vorlo {

class ConsoleState;
class ConsoleUpdate;

// The pedal couplers, the manual couplers and the pedal sub-octave buttons. Switching them
// sends nothing: the input handlers copy the notes as they pass.
class Couplers {
public:
    Couplers(ConsoleState& state, ConsoleListener& indicators, ConsoleUpdate& update);

    void UNPI_Click();
    void UNPII_Click();
    void UN_GOSW_Click();
    void UN_SWGO_Click();
    void Subottava_Click();

private:
    // A pair of mutually exclusive couplers sharing one setting (1 first, 2 second), shown by
    // the given indicator.
    void switchCoupler(int16_t Registration::*field, int pressed,
                       void (ConsoleListener::*shown)(int));

    ConsoleState& state_;
    ConsoleListener& indicators_;
    ConsoleUpdate& update_;
};

} // namespace vorlo
