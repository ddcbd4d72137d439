#pragma once

#include "ConsoleListener.h"
#include "ConsoleSlots.h"

namespace vorlo {

// The four coupler buttons; each pair shares one setting and excludes the other.
enum class Coupler : int {
    GreatToPedal, // UNPI
    SwellToPedal, // UNPII
    GoToSwell,    // UN_GOSW
    SwellToGo,    // UN_SWGO
};

class ConsoleState;
class ConsoleUpdate;

// The pedal couplers, the manual couplers and the pedal sub-octave buttons. Switching them
// sends nothing: the input handlers copy the notes as they pass.
class Couplers {
public:
    Couplers(ConsoleState& state, ConsoleListener& indicators, ConsoleUpdate& update);

    // Presses a coupler: it comes in force, or goes if it was in force; the other coupler of
    // its pair goes.
    void toggle(Coupler which);
    // The pedal sub-octave on or off, through the console update.
    void toggleSubOctave();

    void UNPI_Click() { toggle(Coupler::GreatToPedal); }
    void UNPII_Click() { toggle(Coupler::SwellToPedal); }
    void UN_GOSW_Click() { toggle(Coupler::GoToSwell); }
    void UN_SWGO_Click() { toggle(Coupler::SwellToGo); }
    void Subottava_Click() { toggleSubOctave(); }

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
