#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class ConsoleState;
class Dialogs;
class Form;
class Memories;
class PanelLayout;
class PanelState;

// The main window's memory indicators (labels or LEDs), the fixed ladder, REC, the buffer
// buttons, CLEAR and CancelALL, as the organ announces them; and the window's own actions on
// the memories: the label mode button, the LED display menu item and SaveFIXED.
class MemoryPanel : public ConsoleListener {
public:
    MemoryPanel(ConsoleState& state, PanelState& panel, Dialogs& dialogs, Memories& memories,
                PanelLayout& layout);

    void ladderShown(int steps) override;
    void freeMemoryShown(int i, MemoryLight light) override;
    void memoryDisplayShown() override;
    void memoryLabelsShown() override;
    void recArmedShown(bool armed) override;
    void bufferShown(int index, bool stored) override;
    void actionShown(ConsoleAction action, bool running) override;

    void Labelmode_Click();
    void DisplayLeds_Click();
    // Asks first: the fixed memories are overwritten.
    void SaveFIXED_Click();

private:
    void Scrivi_ToolTips_memorie();

    const ConsoleState& state_;
    Form& main_;
    Dialogs& dialogs_;
    Memories& memories_;
    PanelLayout& layout_;
};

} // namespace vorlo
