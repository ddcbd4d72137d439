#pragma once

#include "StartupProblem.h"

namespace vorlo {

// What the program's start and end ask of its windows, in the order the start-up asks it.
class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;
    // The main window is loaded with its icon, before anything is read.
    virtual void loadMainWindow() = 0;
    // The panel the settings choose (graphic or standard) is built.
    virtual void buildPanel() = 0;
    // The Advanced window's lists take the stops table's names and the window is loaded.
    virtual void loadAdvancedWindow() = 0;
    // The main window at its stored place, then the Advanced and main windows shown.
    virtual void showWindows() = 0;
    // The editor, when it is open, asks its own exit question: false keeps the program
    // running with the editor open.
    virtual bool editorAgreesToEnd() = 0;
    // Every window hidden and unloaded.
    virtual void unloadAll() = 0;
    // The window where the player mends a problem told at start-up (None: nothing opens).
    virtual void openSetupPage(SetupPage page) = 0;
};

} // namespace vorlo
