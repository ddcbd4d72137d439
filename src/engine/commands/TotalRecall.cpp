#include "TotalRecall.h"

#include "CommandExecutor.h"
#include "ConsoleState.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "RemoteKeyMap.h"
#include "TotalRecallWindowControls.h"

namespace vorlo {

TotalRecall::TotalRecall(ConsoleState& state, CommandExecutor& commands, Form& main, Form& window)
    : state_(state), commands_(commands), window_(window) {
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

void TotalRecall::Total_Recall(int key) {
    const RemoteKey k = remoteKey(key);
    commands_.execute(k.command);
    // The command ends after the key's action, unless the key lets the player go on.
    if (!k.keepsArmed)
        state_.SwitchEventArmed = false;
}

} // namespace vorlo
