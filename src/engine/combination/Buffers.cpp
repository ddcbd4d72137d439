#include "Buffers.h"

#include "RecoveryCopy.h"
#include "core/Console.h"
#include "core/Dialogs.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

namespace vorlo {

Buffers::Buffers(Console& console) : console_(console) {
    Form& main = console_.mainForm();
    for (int i = 0; i < 2; ++i) {
        main(ctl::main::TempMemButton, i).onClick = [this, i] { TempMemButton_Click(i); };
        main(ctl::main::LoadBuffer, i).onClick = [this, i] { LoadBuffer_Click(i); };
    }
    main(ctl::main::CLEAR).onClick = [this] { CLEAR_Click(); };
}

void Buffers::TempMemButton_Click(int index) {
    ConsoleState& st = console_.state();
    console_.dialogs().message(QStringLiteral("Actual Stops is now copied on Temporary Buffer ") +
                                   QString::number(index + 1),
                               st.ProgramTitle, Dialogs::Icon::Information);
    // The state stored is the one current when the player has read the message.
    st.copySlot(SlotLive, SlotBuffer1 + index);
    markFilled(index);
    console_.recovery().changed();
}

bool Buffers::isFilled(int index) const {
    return console_.mainForm()(ctl::main::TempMemButton, index).backColor() == color::Lit;
}

void Buffers::markFilled(int index) {
    console_.mainForm()(ctl::main::TempMemButton, index).setBackColor(color::Lit);
}

void Buffers::LoadBuffer_Click(int index) {
    ConsoleState& st = console_.state();
    // Either buffer filled this run lets both load.
    if (!isFilled(0) && !isFilled(1)) {
        console_.dialogs().message(
            QStringLiteral(
                "NO buffered stops available! To load it, push T1 or T2 buffer memories"),
            st.ProgramTitle, Dialogs::Icon::Exclamation);
        return;
    }
    st.copySlot(SlotBuffer1 + index, SlotLive);
    console_.AGGIORNAMENTO_VORLO();
}

void Buffers::CLEAR_Click() {
    ConsoleState& st = console_.state();
    Form& main = console_.mainForm();
    Control& clear = main(ctl::main::CLEAR);
    clear.setBackColor(color::Lit);
    if (st.FreeMemoriesUnsaved) {
        if (!console_.dialogs().askYesNo(QStringLiteral("Free memories unsaved: erase anyway ?"),
                                         QStringLiteral("Warning"))) {
            clear.setBackColor(color::ButtonFace);
            return;
        }
        st.FreeMemoriesUnsaved = false;
    }
    for (int slot = kFirstFree; slot <= kLastFree; ++slot)
        st.writeStartValues(slot);
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
    console_.recovery().changed();
    clear.setBackColor(color::ButtonFace);
}

} // namespace vorlo
