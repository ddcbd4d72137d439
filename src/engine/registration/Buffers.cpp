#include "Buffers.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "MainWindowControls.h"
#include "PanelState.h"
#include "RecoveryCopy.h"

namespace vorlo {

Buffers::Buffers(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ConsoleUpdate& update,
                 RecoveryCopy& recovery)
    : state_(state), main_(panel.form(ctl::main::Window)), dialogs_(dialogs), update_(update),
      recovery_(recovery) {}

void Buffers::TempMemButton_Click(int index) {
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
    return main_(ctl::main::TempMemButton, index).backColor() == color::Lit;
}

void Buffers::markFilled(int index) {
    main_(ctl::main::TempMemButton, index).setBackColor(color::Lit);
}

void Buffers::LoadBuffer_Click(int index) {
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

void Buffers::CLEAR_Click() {
    ConsoleState& st = state_;
    Form& main = main_;
    Control& clear = main(ctl::main::CLEAR);
    clear.setBackColor(color::Lit);
    if (st.FreeMemoriesUnsaved) {
        if (!dialogs_.askYesNo(QStringLiteral("Free memories unsaved: erase anyway ?"),
                               QStringLiteral("Warning"))) {
            clear.setBackColor(color::ButtonFace);
            return;
        }
        st.FreeMemoriesUnsaved = false;
    }
    for (int slot = kFirstFree; slot <= kLastFree; ++slot)
        st.slot(slot) = Registration::startValues();
    st.RecArmed = false;
    main(ctl::main::Rec_button).setBackColor(color::ButtonFace);
    st.MemoryUnchanged = false;
    st.LastMemory = 1;
    for (int i = 1; i <= 12; ++i) {
        if (st.MemoryLedsShown)
            main(ctl::main::LedFree, i).setPicture(st.PicGreenOff);
        else
            main(ctl::main::C_memory, i).setBackColor(color::ButtonFace);
    }
    recovery_.changed();
    clear.setBackColor(color::ButtonFace);
}

} // namespace vorlo
