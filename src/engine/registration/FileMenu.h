#pragma once

#include "ConsoleListener.h"

namespace vorlo {

class ConsoleState;
class Dialogs;
class Form;
class MemoryFile;
class PanelState;

// The main window's File menu for memory files: asks the player for the file and hands it to
// MemoryFile; selects a loaded file's settings in the Advanced window's lists.
class FileMenu : public ConsoleListener {
public:
    FileMenu(ConsoleState& state, PanelState& panel, Dialogs& dialogs, MemoryFile& file);

    void savefile_Click();
    void Loadfile_Click();

    // Selects temperament, start note, reverb and tremolo type in this order; an entry that
    // differs from the one shown runs the list's handler, which sends the setting.
    void memoryFileSettingsShown() override;

private:
    ConsoleState& state_;
    Form& advanced_;
    Dialogs& dialogs_;
    MemoryFile& file_;
};

} // namespace vorlo
