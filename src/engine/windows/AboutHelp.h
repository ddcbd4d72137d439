#pragma once

#include <QString>

namespace vorlo {

class ConsoleState;
class Dialogs;
class Form;
class PanelState;
class ScreenMetrics;
class Form;

// The Help menu's about window and help file.
class AboutHelp {
public:
    // The user guide, an HTML file in the program folder.
    static constexpr char kHelpFileName[] = "vorlo 2000.html";

    AboutHelp(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ScreenMetrics& screen);

    // Menu "&About": loads the about window (once) and shows it.
    void About_Click();
    // The about window's load: centres it and fills in its title, picture and icon.
    void Form_Load();
    // The about window's OK button.
    void Command1_Click();
    // Menu "&Help": shows the help file in the help window.
    void Help1_Click();

    // The help file shipped beside the program.
    QString helpFile() const;

private:
    Form& aboutWindow();
    Form& helpWindow();

    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
};

} // namespace vorlo
