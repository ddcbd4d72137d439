#pragma once

namespace vorlo {

class Console;

// Remote control from the keyboards: after a switch event the next key is a command.
class TotalRecall {
public:
    explicit TotalRecall(Console& console);

    // key is the note number; the switch event stays armed or is disarmed as the key says.
    void Total_Recall(int key);
    // Menu "Total Recall Displa&y" and its window.
    void totRec_Click();
    void Form_Load();

private:
    Console& console_;
};

} // namespace vorlo
