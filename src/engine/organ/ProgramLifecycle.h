#pragma once

#include <functional>
#include <memory>

namespace vorlo {

class ConfigurationStore;
class ConsoleListener;
class ConsoleReset;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class FolderLock;
class Memories;
class MemoryBanks;
class MidiDevices;
class ProgramWindows;
class RecoveryCopy;
class RunState;
class StartupProblems;
class StopTableLoader;
class SysexSender;

// The program's start and end: the start-up sequence (devices, configuration, ports, stops
// table, panel, reset, windows) and the ordered end (entry 0, ports closed, configuration
// saved when the player wants it, windows unloaded).
class ProgramLifecycle {
public:
    // Start-up touches most of the console: its collaborators are named here.
    struct Collaborators {
        ConsoleState& state;
        ProgramWindows& windows;
        ConsoleListener& events;
        Dialogs& dialogs;
        RunState& run;
        SysexSender& sysex;
        MidiDevices& devices;
        ConfigurationStore& config;
        StopTableLoader& tableLoader;
        ConsoleReset& reset;
        ConsoleUpdate& update;
        Memories& memories;
        RecoveryCopy& recovery;
        StartupProblems& problems;
        MemoryBanks& banks;
    };
    explicit ProgramLifecycle(const Collaborators& c);
    ~ProgramLifecycle();

    // Start-up: takes the program folder (a console already running from it is told to the
    // player and this one ends, having touched nothing), scans the devices, reads the
    // configuration, opens the ports, loads the stops table, builds the panel, resets the
    // console and shows the windows. What needs the player in the devices and the
    // configuration is gathered on the way and told at the end, in one window.
    void Form_Load();
    // Shut-down. Returns false when the player chose to keep the program running.
    bool Form_Unload();
    // Ends the program as closing the main window does, but without questions: unsaved free
    // memories stay in their recovery copy for the next start.
    void endWithoutQuestions();
    void Gest_Errore_advanced();

    // Run once the main window was unloaded: the program ends.
    std::function<void()> onEnded;

private:
    // The end itself, once no question stands in the way.
    void endProgram(bool keepRecoveryCopy);
    // False when another console holds the program folder; the player has been told.
    bool takeProgramFolder();
    // What the start-up gathered, in one window; opens the window the player asks for there.
    void tellProblems();

    ConsoleState& state_;
    ProgramWindows& windows_;
    ConsoleListener& events_;
    Dialogs& dialogs_;
    RunState& run_;
    SysexSender& sysex_;
    MidiDevices& devices_;
    ConfigurationStore& config_;
    StopTableLoader& tableLoader_;
    ConsoleReset& reset_;
    ConsoleUpdate& update_;
    Memories& memories_;
    RecoveryCopy& recovery_;
    StartupProblems& problems_;
    MemoryBanks& banks_;
    // Held from the start-up to the end of the program, the saves at the end included.
    std::unique_ptr<FolderLock> folderLock_;
};

} // namespace vorlo
