#include "TotalRecall.h"

#include "ConsoleState.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "TotalRecallWindowControls.h"

namespace vorlo {

TotalRecall::TotalRecall(ConsoleState& state, Form& main, Form& window)
    : state_(state), window_(window) {
    main(ctl::main::totRec).onClick = [this] { totRec_Click(); };
}

void TotalRecall::totRec_Click() {
    if (!window_.isLoaded())
        Form_Load();
    window_.bringToFront();
}

void TotalRecall::Form_Load() {
    window_.setLoaded(true);
    window_(ctl::totalrecall::Image1).setPicture(state_.appFile(QStringLiteral("tastiera.bmp")));
    window_.setPicture(state_.appFile(QStringLiteral("pingu1.ico")));
    window_(ctl::totalrecall::LabelNomeprog).setCaption(state_.ProgramTitle);
}

} // namespace vorlo
