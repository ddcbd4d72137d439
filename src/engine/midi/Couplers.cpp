#include "Couplers.h"

#include "ConsoleUpdate.h"
#include "core/ConsoleState.h"
#include "panel/ConsoleForms.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelIndicators.h"
#include "panel/PanelState.h"

namespace vorlo {
// The decision is taken from the state in force (slot 26); a damaged value above 2 counts as
// none.
void Couplers::switchCoupler(SlotArray& field, int pressed, const ControlId& first,
                             const ControlId& second) {
    if (field[SlotSent] > 2)
        field[SlotSent] = 0;
    const int now = field[SlotSent];
    if (now >= 0 && now <= 2) {
        field[SlotLive] = static_cast<int16_t>(now == pressed ? 0 : pressed);
        Form& main = main_;
        main(first).setBackColor(field[SlotLive] == 1 ? color::Lit : color::Unlit);
        main(second).setBackColor(field[SlotLive] == 2 ? color::Lit : color::Unlit);
    }
    field[SlotSent] = field[SlotLive];
    indicators_.registrationChanged();
}

Couplers::Couplers(ConsoleState& state, PanelState& panel, PanelIndicators& indicators,
                   ConsoleUpdate& update)
    : state_(state), main_(panel.form(ctl::main::Window)), indicators_(indicators),
      update_(update) {}

void Couplers::UNPI_Click() {
    switchCoupler(state_.MemUnPedale, 1, ctl::main::UNPI, ctl::main::UNPII);
}

void Couplers::UNPII_Click() {
    switchCoupler(state_.MemUnPedale, 2, ctl::main::UNPI, ctl::main::UNPII);
}

void Couplers::UN_GOSW_Click() {
    switchCoupler(state_.MemUnManuali, 1, ctl::main::UN_GOSW, ctl::main::UN_SWGO);
}

void Couplers::UN_SWGO_Click() {
    switchCoupler(state_.MemUnManuali, 2, ctl::main::UN_GOSW, ctl::main::UN_SWGO);
}

void Couplers::Subottava_Click() {
    ConsoleState& st = state_;
    st.MemSubottava[SlotLive] = st.MemSubottava[SlotLive] == 1 ? 0 : 1;
    update_.AGGIORNAMENTO_VORLO();
}

} // namespace vorlo
