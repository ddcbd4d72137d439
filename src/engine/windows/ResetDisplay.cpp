#include "ResetDisplay.h"

#include "ConsoleForms.h"
#include "ConsoleState.h"
#include "MainWindowControls.h"
#include "PanelLayout.h"
#include "PanelState.h"

namespace vorlo {

ResetDisplay::ResetDisplay(ConsoleState& state, PanelState& panel, PanelLayout& layout)
    : state_(state), main_(panel.form(ctl::main::Window)), layout_(layout) {}

void ResetDisplay::resetShown(ResetStep step) {
    const ConsoleState& st = state_;
    Form& main = main_;
    switch (step) {
    case ResetStep::Started:
        main(ctl::main::RESET).setBackColor(color::Lit);
        break;
    case ResetStep::SlotsCleared:
        layout_.VISUALIZZA_LED_O_PANNELLINI();
        for (const ControlId& id : {ctl::main::Tir_TREMOLOGO, ctl::main::TIR_TREMOLOSW,
                                    ctl::main::UNPI, ctl::main::UNPII})
            main(id).setBackColor(color::ButtonFace);
        main(ctl::main::THRUBUTTON).setVisible(st.ThruMode == 1);
        break;
    case ResetStep::MenusShown:
        main(ctl::main::EnableCFG).setChecked(st.SaveCfgOnExit == 1);
        main(ctl::main::DisplayLeds).setChecked(st.MemoryLedsShown);
        break;
    case ResetStep::Finished:
        main(ctl::main::RESET).setBackColor(color::ButtonFace);
        break;
    }
}

} // namespace vorlo
