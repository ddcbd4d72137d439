#include "SaveOnExitMenu.h"

#include "ConfigurationStore.h"
#include "ConsoleForms.h"
#include "MainWindowControls.h"
#include "PanelState.h"

namespace vorlo {

SaveOnExitMenu::SaveOnExitMenu(PanelState& panel, ConfigurationStore& config)
    : main_(panel.form(ctl::main::Window)), config_(config) {
    main_(ctl::main::EnableCFG).onClick = [this] { EnableCFG_Click(); };
}

void SaveOnExitMenu::EnableCFG_Click() {
    config_.toggleSaveOnExit();
}

void SaveOnExitMenu::saveOnExitShown(bool on) {
    main_(ctl::main::EnableCFG).setChecked(on);
}

} // namespace vorlo
