#pragma once

namespace vorlo {

class ConsoleState;
class Form;
class PanelState;
class ScreenMetrics;

// The Advanced window itself: the menu entry that opens it and its placement. Its sliders,
// lists, option buttons and check boxes ask for commands (bindAdvancedCommands); it follows the
// settings through the console's announcements.
class AdvancedControls {
public:
    AdvancedControls(ConsoleState& state, PanelState& panel, ScreenMetrics& screen);

    // Menu "Advanced" and the window.
    void advanced_s_Click();
    void Form_Load();

private:
    ConsoleState& state_;
    Form& adv_;
    ScreenMetrics& screen_;
};

} // namespace vorlo
