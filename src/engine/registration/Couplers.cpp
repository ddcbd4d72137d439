#include "Couplers.h"

#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "ConsoleListener.h"

namespace vorlo {

// The decision is taken from the state in force (slot 26); a damaged value above 2 counts as
// none.
void Couplers::switchCoupler(SlotArray& field, int pressed, void (ConsoleListener::*shown)(int)) {
    if (field[SlotSent] > 2)
        field[SlotSent] = 0;
    const int now = field[SlotSent];
    if (now >= 0 && now <= 2) {
        field[SlotLive] = static_cast<int16_t>(now == pressed ? 0 : pressed);
        (indicators_.*shown)(field[SlotLive]);
    }
    field[SlotSent] = field[SlotLive];
    indicators_.registrationChanged();
}

Couplers::Couplers(ConsoleState& state, ConsoleListener& indicators, ConsoleUpdate& update)
    : state_(state), indicators_(indicators), update_(update) {}

void Couplers::UNPI_Click() {
    switchCoupler(state_.MemUnPedale, 1, &ConsoleListener::pedalCouplerShown);
}

void Couplers::UNPII_Click() {
    switchCoupler(state_.MemUnPedale, 2, &ConsoleListener::pedalCouplerShown);
}

void Couplers::UN_GOSW_Click() {
    switchCoupler(state_.MemUnManuali, 1, &ConsoleListener::manualCouplerShown);
}

void Couplers::UN_SWGO_Click() {
    switchCoupler(state_.MemUnManuali, 2, &ConsoleListener::manualCouplerShown);
}

void Couplers::Subottava_Click() {
    ConsoleState& st = state_;
    st.MemSubottava[SlotLive] = st.MemSubottava[SlotLive] == 1 ? 0 : 1;
    update_.AGGIORNAMENTO_VORLO();
}

} // namespace vorlo
