#pragma once

namespace vorlo {

class CommandExecutor;
class ConsoleState;
class Form;

// Remote control from the keyboards: after a switch event the next key is a command.
class TotalRecall {
public:
    // main: the main window with the menu entry; window: the key map's help window.
    TotalRecall(ConsoleState& state, CommandExecutor& commands, Form& main, Form& window);

    // key is the note number; the switch event stays armed or is disarmed as the key says.
    void Total_Recall(int key);
    // Menu "Total Recall Displa&y" and its window.
    void totRec_Click();
    void Form_Load();

private:
    ConsoleState& state_;
    CommandExecutor& commands_;
    Form& window_;
};

} // namespace vorlo
