#include "Couplers.h"

#include "combination/Memories.h"
#include "core/Console.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

namespace vorlo {
namespace {

// A pair of mutually exclusive couplers sharing one setting (1 first, 2 second). The decision
// is taken from the state in force (slot 26); a damaged value above 2 counts as none.
void switchCoupler(Console& c, SlotArray& field, int pressed, const ControlId& first,
                   const ControlId& second) {
    if (field[SlotSent] > 2)
        field[SlotSent] = 0;
    const int now = field[SlotSent];
    if (now >= 0 && now <= 2) {
        field[SlotLive] = static_cast<int16_t>(now == pressed ? 0 : pressed);
        Form& main = c.mainForm();
        main(first).setBackColor(field[SlotLive] == 1 ? color::Lit : color::Unlit);
        main(second).setBackColor(field[SlotLive] == 2 ? color::Lit : color::Unlit);
    }
    field[SlotSent] = field[SlotLive];
    c.memories().Marca_Led_giallo();
}

} // namespace

Couplers::Couplers(Console& console) : console_(console) {
    Form& main = console_.mainForm();
    main(ctl::main::UNPI).onClick = [this] { UNPI_Click(); };
    main(ctl::main::UNPII).onClick = [this] { UNPII_Click(); };
    main(ctl::main::UN_GOSW).onClick = [this] { UN_GOSW_Click(); };
    main(ctl::main::UN_SWGO).onClick = [this] { UN_SWGO_Click(); };
    main(ctl::main::Subottava).onClick = [this] { Subottava_Click(); };
}

void Couplers::UNPI_Click() {
    switchCoupler(console_, console_.state().MemUnPedale, 1, ctl::main::UNPI, ctl::main::UNPII);
}

void Couplers::UNPII_Click() {
    switchCoupler(console_, console_.state().MemUnPedale, 2, ctl::main::UNPI, ctl::main::UNPII);
}

void Couplers::UN_GOSW_Click() {
    switchCoupler(console_, console_.state().MemUnManuali, 1, ctl::main::UN_GOSW,
                  ctl::main::UN_SWGO);
}

void Couplers::UN_SWGO_Click() {
    switchCoupler(console_, console_.state().MemUnManuali, 2, ctl::main::UN_GOSW,
                  ctl::main::UN_SWGO);
}

void Couplers::Subottava_Click() {
    ConsoleState& st = console_.state();
    st.MemSubottava[SlotLive] = st.MemSubottava[SlotLive] == 1 ? 0 : 1;
    console_.AGGIORNAMENTO_VORLO();
}

} // namespace vorlo
