#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class ConfigurationStore;
class Form;
class PanelState;

// The main window's menu item "Save &Configuration on EXIT": asks the configuration for the
// other choice and shows its check mark as announced.
class SaveOnExitMenu : public ConsoleListener {
public:
    SaveOnExitMenu(PanelState& panel, ConfigurationStore& config);

    void EnableCFG_Click();
    void saveOnExitShown(bool on) override;

private:
    Form& main_;
    ConfigurationStore& config_;
};

} // namespace vorlo
