#include "Memories.h"

#include "ConfigurationStore.h"
#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "LevelSender.h"
#include "RecoveryCopy.h"

namespace vorlo {

Memories::Memories(ConsoleState& state, ConsoleListener& listener, ConsoleUpdate& update,
                   ConfigurationStore& config, LevelSender& levels, RecoveryCopy& recovery)
    : state_(state), listener_(listener), update_(update), config_(config), levels_(levels),
      recovery_(recovery) {}

void Memories::Memorie(int n) {
    ConsoleState& st = state_;
    if (n < kFirstFree || n > kLastFixed)
        n = 1;

    // The fixed ladder lights from its first step up to the memory chosen.
    listener_.ladderShown(n <= kLastFree ? 0 : n - kLastFree);
    // Nothing is marked changed while the memory is being recalled.
    st.MemoryUnchanged = false;

    if (!st.RecArmed) {
        for (SlotField f : {SlotField::MemFO_GO, SlotField::MemFO_SW, SlotField::MemMU_GO,
                            SlotField::MemMU_SW, SlotField::MemAN_GO, SlotField::MemAN_SW,
                            SlotField::MemPED, SlotField::MemTremGO, SlotField::MemTremSW})
            st.live()[f] = st.slot(n)[f];
        if (st.RecallGlobals == 1) {
            for (SlotField f : {SlotField::MemExprGO, SlotField::MemExprSW, SlotField::MemExprPE})
                st.live()[f] = st.slot(n)[f];
        }
        if (st.RecallBalance == 1) {
            for (SlotField f :
                 {SlotField::MemBalFO_GO, SlotField::MemBalMU_GO, SlotField::MemBalAN_GO,
                  SlotField::MemBalFO_SW, SlotField::MemBalMU_SW, SlotField::MemBalAN_SW})
                st.live()[f] = st.slot(n)[f];
        }
        for (SlotField f :
             {SlotField::MemUnPedale, SlotField::MemUnManuali, SlotField::MemThru,
              SlotField::MemAnnullGO0, SlotField::MemAnnullGO1, SlotField::MemAnnullGO2,
              SlotField::MemAnnullSW0, SlotField::MemAnnullSW1, SlotField::MemAnnullSW2,
              SlotField::MemSubottava})
            st.live()[f] = st.slot(n)[f];

        update_.AGGIORNAMENTO_VORLO();
        levels_.Send_Tremolo_GO(st.live().MemTremGO);
        levels_.Send_Tremolo_SW(st.live().MemTremSW);
        // The memory just recalled is the one marked at the next change.
        st.MemoryUnchanged = true;
    } else {
        if (n <= kLastFree) {
            st.slot(n) = st.live();
            st.FreeMemoriesUnsaved = true;
            st.MemoryUnchanged = true;
            recovery_.changed();
        }
        st.RecArmed = false;
        listener_.recArmedShown(false);
    }

    const int previous = st.LastMemory;
    st.LastMemory = static_cast<int16_t>(n);
    // The memory sequence goes on from the free memory last recalled or stored.
    if (n <= kLastFree)
        st.BankMemory = static_cast<int16_t>(n);
    if (previous >= kFirstFree && previous <= kLastFree)
        listener_.freeMemoryShown(previous, MemoryLight::Unlit);
    if (n <= kLastFree)
        listener_.freeMemoryShown(n, MemoryLight::Lit);
}

void Memories::toggleRec() {
    ConsoleState& st = state_;
    st.RecArmed = !st.RecArmed;
    listener_.recArmedShown(st.RecArmed);
}

void Memories::SPENGO_MEMORIE() {
    for (int i = kFirstFree; i <= kLastFree; ++i)
        listener_.freeMemoryShown(i, MemoryLight::Dark);
}

void Memories::Spengo_Graduatore() {
    listener_.ladderShown(0);
}

void Memories::Scrivi_Label_memorie() {
    listener_.memoryLabelsShown();
}

void Memories::nextLabelMode() {
    ConsoleState& st = state_;
    st.MemoryLabelMode = static_cast<int16_t>(st.MemoryLabelMode + 1);
    if (st.MemoryLabelMode < 0 || st.MemoryLabelMode > 2)
        st.MemoryLabelMode = 0;
    Scrivi_Label_memorie();
}

void Memories::showMemoryLeds(bool leds) {
    state_.MemoryLedsShown = leds;
    listener_.memoryDisplayShown();
}

void Memories::copyFreeToFixed() {
    state_.CopyFreeToFixed = true;
    config_.Salva_dati_di_avvio();
}

} // namespace vorlo
