#include "Buffers.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "RecoveryCopy.h"

namespace vorlo {
namespace {

bool isBuffer(int index) {
    return index == 0 || index == 1;
}

} // namespace

Buffers::Buffers(ConsoleState& state, ConsoleListener& listener, Dialogs& dialogs,
                 ConsoleUpdate& update, RecoveryCopy& recovery)
    : state_(state), listener_(listener), dialogs_(dialogs), update_(update), recovery_(recovery) {}

void Buffers::storeBuffer(int index) {
    if (!isBuffer(index))
        return;
    ConsoleState& st = state_;
    dialogs_.message(QStringLiteral("Actual Stops is now copied on Temporary Buffer ") +
                         QString::number(index + 1),
                     st.ProgramTitle, Dialogs::Icon::Information);
    // The state stored is the one current when the player has read the message.
    st.slot(SlotBuffer1 + index) = st.live();
    markFilled(index);
    recovery_.changed();
}

bool Buffers::isFilled(int index) const {
    return isBuffer(index) && filled_[index];
}

void Buffers::markFilled(int index) {
    if (!isBuffer(index))
        return;
    filled_[index] = true;
    listener_.bufferShown(index, true);
}

void Buffers::loadBuffer(int index) {
    if (!isBuffer(index))
        return;
    ConsoleState& st = state_;
    // Either buffer filled this run lets both load.
    if (!isFilled(0) && !isFilled(1)) {
        dialogs_.message(
            QStringLiteral(
                "NO buffered stops available! To load it, push T1 or T2 buffer memories"),
            st.ProgramTitle, Dialogs::Icon::Exclamation);
        return;
    }
    st.live() = st.slot(SlotBuffer1 + index);
    update_.AGGIORNAMENTO_VORLO();
}

void Buffers::clearFreeMemories() {
    ConsoleState& st = state_;
    listener_.actionShown(ConsoleAction::ClearFreeMemories, true);
    if (st.FreeMemoriesUnsaved) {
        if (!dialogs_.askYesNo(QStringLiteral("Free memories unsaved: erase anyway ?"),
                               QStringLiteral("Warning"))) {
            listener_.actionShown(ConsoleAction::ClearFreeMemories, false);
            return;
        }
        st.FreeMemoriesUnsaved = false;
    }
    for (int slot = kFirstFree; slot <= kLastFree; ++slot)
        st.slot(slot) = Registration::startValues();
    st.RecArmed = false;
    listener_.recArmedShown(false);
    st.MemoryUnchanged = false;
    st.LastMemory = 1;
    st.BankMemory = 0;
    for (int i = kFirstFree; i <= kLastFree; ++i)
        listener_.freeMemoryShown(i, MemoryLight::Unlit);
    recovery_.changed();
    listener_.actionShown(ConsoleAction::ClearFreeMemories, false);
}

} // namespace vorlo
