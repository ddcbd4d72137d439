#pragma once

#include "OrganSettings.h"

namespace vorlo {

class ConsoleState;
class Form;
class PanelState;

// Carries the stops table's names onto the panel and into the Advanced window's lists.
class StopCaptions {
public:
    // The name columns of the stops table that feed the Advanced window's lists.
    static constexpr int kTemperamentCount = OrganSettings::kTemperamentCount;
    static constexpr int kReverbCount = OrganSettings::kReverbCount;

    StopCaptions(ConsoleState& state, PanelState& panel);

    void SCRITTURA_TESTI_DEI_REGISTRI();
    void CARICAMENTO_LIST_BOXES();

private:
    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
};

} // namespace vorlo
