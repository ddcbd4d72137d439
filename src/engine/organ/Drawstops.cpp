#include "Drawstops.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Memories.h"

namespace vorlo {

Drawstops::Drawstops(ConsoleState& state, ConsoleListener& listener, ConsoleUpdate& update,
                     Memories& memories)
    : state_(state), listener_(listener), update_(update), memories_(memories) {}

void Drawstops::draw(SlotField field, int row) {
    ConsoleState& st = state_;
    st.live()[field] = static_cast<int16_t>(row);
    update_.AGGIORNAMENTO_VORLO();
    memories_.Spengo_Graduatore();
}

void Drawstops::Tir_FO_GO_Click(int row) {
    draw(SlotField::MemFO_GO, row);
}
void Drawstops::Tir_FO_SW_Click(int row) {
    draw(SlotField::MemFO_SW, row);
}
void Drawstops::Tir_MU_GO_Click(int row) {
    draw(SlotField::MemMU_GO, row);
}
void Drawstops::Tir_MU_SW_Click(int row) {
    draw(SlotField::MemMU_SW, row);
}
void Drawstops::Tir_AN_GO_Click(int row) {
    draw(SlotField::MemAN_GO, row);
}
void Drawstops::Tir_AN_SW_Click(int row) {
    draw(SlotField::MemAN_SW, row);
}
void Drawstops::NomePedale_Click(int row) {
    draw(SlotField::MemPED, row);
}

void Drawstops::toggleCancel(DivisionId manual, int family) {
    ConsoleState& st = state_;
    if (family < 0 || family > 2 || (manual != DivisionId::Great && manual != DivisionId::Swell))
        return;
    int16_t& v = (manual == DivisionId::Great ? st.live().MemAnnullGO
                                              : st.live().MemAnnullSW)[static_cast<size_t>(family)];
    v = v != 0 ? 0 : 1;
    update_.AGGIORNAMENTO_VORLO();
}

void Drawstops::cancelAll() {
    ConsoleState& st = state_;
    listener_.actionShown(ConsoleAction::CancelAll, true);
    for (SlotField f : {SlotField::MemFO_GO, SlotField::MemFO_SW, SlotField::MemMU_GO,
                        SlotField::MemMU_SW, SlotField::MemAN_GO, SlotField::MemAN_SW,
                        SlotField::MemPED, SlotField::MemTremGO, SlotField::MemTremSW,
                        SlotField::MemUnPedale, SlotField::MemUnManuali, SlotField::MemSubottava})
        st.live()[f] = 0;
    for (int g = 0; g < 3; ++g) {
        st.live().MemAnnullGO[g] = 1;
        st.live().MemAnnullSW[g] = 1;
    }
    update_.AGGIORNAMENTO_VORLO();
    memories_.SPENGO_MEMORIE();
    memories_.Spengo_Graduatore();
    listener_.actionShown(ConsoleAction::CancelAll, false);
}

} // namespace vorlo
