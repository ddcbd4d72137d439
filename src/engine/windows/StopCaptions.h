#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class ConsoleState;
class Form;
class PanelState;
class SettingsLists;

// Carries the stops table's names onto the panel and into the Advanced window's lists, and the
// program's title onto the windows that show it, when a table comes in force.
class StopCaptions : public ConsoleListener {
public:
    StopCaptions(ConsoleState& state, PanelState& panel, SettingsLists& lists);

    void SCRITTURA_TESTI_DEI_REGISTRI();
    void CARICAMENTO_LIST_BOXES();

    void stopTableLoaded() override;

private:
    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    SettingsLists& lists_;
};

} // namespace vorlo
