#pragma once

namespace vorlo {

class ConsoleState;
class Dialogs;
class Form;
class MemoryFile;
class PanelState;

// The main window's File menu for memory files: asks the player for the file and hands it to
// MemoryFile.
class FileMenu {
public:
    FileMenu(ConsoleState& state, PanelState& panel, Dialogs& dialogs, MemoryFile& file);

    void savefile_Click();
    void Loadfile_Click();

private:
    ConsoleState& state_;
    Dialogs& dialogs_;
    MemoryFile& file_;
};

} // namespace vorlo
