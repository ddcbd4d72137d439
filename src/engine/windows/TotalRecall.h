#pragma once

namespace vorlo {

class ConsoleState;
class Form;

// The remote keys' picture window. The keys themselves are commands after a switch event
// (ConsoleCommand::switchEventKey, RemoteKeyMap).
class TotalRecall {
public:
    // main: the main window with the menu entry; window: the key map's help window.
    TotalRecall(ConsoleState& state, Form& main, Form& window);

    // Menu "Total Recall Displa&y" and its window.
    void totRec_Click();
    void Form_Load();

private:
    ConsoleState& state_;
    Form& window_;
};

} // namespace vorlo
