#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class ConsoleState;
class Form;
class PanelLayout;
class PanelState;

// The main window during the console's reset: the RESET button lit while it runs, the buttons
// back to their plain face once every slot is back to its start, and the menus' check marks.
class ResetDisplay : public ConsoleListener {
public:
    ResetDisplay(ConsoleState& state, PanelState& panel, PanelLayout& layout);

    void resetShown(ResetStep step) override;

private:
    ConsoleState& state_;
    Form& main_;
    PanelLayout& layout_;
};

} // namespace vorlo
