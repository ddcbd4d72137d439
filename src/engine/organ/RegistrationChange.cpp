#include "RegistrationChange.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"

namespace vorlo {
namespace {

void Marca_Led_giallo(ConsoleState& st, ConsoleListener& listener) {
    if (!st.MemoryUnchanged || st.LastMemory < kFirstFree || st.LastMemory > kLastFree)
        return;
    st.MemoryUnchanged = false;
    listener.freeMemoryShown(st.LastMemory, MemoryLight::Changed);
}

} // namespace

void registrationChanged(ConsoleState& state, ConsoleListener& listener) {
    Marca_Led_giallo(state, listener);
    listener.registrationChanged();
}

} // namespace vorlo
