#include "Couplers.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "RegistrationChange.h"

namespace vorlo {

// The decision is taken from the state in force (slot 26); a damaged value above 2 counts as
// none.
void Couplers::switchCoupler(int16_t Registration::*field, int pressed,
                             void (ConsoleListener::*shown)(int)) {
    int16_t& live = state_.live().*field;
    int16_t& sent = state_.sent().*field;
    if (sent > 2)
        sent = 0;
    const int now = sent;
    if (now >= 0 && now <= 2) {
        live = static_cast<int16_t>(now == pressed ? 0 : pressed);
        (indicators_.*shown)(live);
    }
    sent = live;
    registrationChanged(state_, indicators_);
}

Couplers::Couplers(ConsoleState& state, ConsoleListener& indicators, ConsoleUpdate& update)
    : state_(state), indicators_(indicators), update_(update) {}

void Couplers::toggle(Coupler which) {
    switch (which) {
    case Coupler::GreatToPedal:
        switchCoupler(&Registration::MemUnPedale, 1, &ConsoleListener::pedalCouplerShown);
        break;
    case Coupler::SwellToPedal:
        switchCoupler(&Registration::MemUnPedale, 2, &ConsoleListener::pedalCouplerShown);
        break;
    case Coupler::GoToSwell:
        switchCoupler(&Registration::MemUnManuali, 1, &ConsoleListener::manualCouplerShown);
        break;
    case Coupler::SwellToGo:
        switchCoupler(&Registration::MemUnManuali, 2, &ConsoleListener::manualCouplerShown);
        break;
    }
}

void Couplers::toggleSubOctave() {
    ConsoleState& st = state_;
    st.live().MemSubottava = st.live().MemSubottava == 1 ? 0 : 1;
    update_.AGGIORNAMENTO_VORLO();
}

} // namespace vorlo
