#pragma once

#include "ConsoleState.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"
#include "PacedOutputPort.h"
#include "RunState.h"
#include "WaitTimer.h"

#include <QObject>
#include <memory>

namespace vorlo {

class AboutHelp;
class AudioRecorder;
class ConfigurationStore;
class ConsoleReset;
class ProgramLifecycle;
class StopTableLoader;
class AdvancedControls;
class Buffers;
class CommandExecutor;
class ConsoleEvents;
class ConsoleUpdate;
class Couplers;
class Crescendo;
class SendProgress;
class DeviceLights;
class Dialogs;
class Drawstops;
class Fonts;
class Form;
struct FormId;
class Hotkeys;
class InputDispatcher;
class LevelSender;
class Memories;
class MemoryBanks;
class MemoryFile;
class FileMenu;
class MidiBackend;
class MidiDevices;
class MidiPortSetup;
class OnScreenKeyboard;
class PanelLayout;
class PanelState;
class Panic;
class RecoveryCopy;
class Recording;
class ScreenMetrics;
class SoundSetup;
class SoundSystem;
class StopCaptions;
class StopsTableEditor;
class SysexSender;
class Thru;
class ThruModeWindow;
class TotalRecall;

// The console: builds the state store, its windows' visible state, the three MIDI ports and
// every subsystem, and wires them together; its procedures below hand over to the subsystem
// that does the work. It runs on the thread that owns the Qt event loop
// and needs no widgets, so everything it does can be driven headless.
class Console : public QObject {
    Q_OBJECT
public:
    struct Environment {
        QString appDir; // the program folder: data files and configuration
        MidiBackend* backend = nullptr;
        Dialogs* dialogs = nullptr;
        ScreenMetrics* screen = nullptr;
        // The built-in synthesizer's sound set-up; null: the program has no synthesizer.
        SoundSystem* sound = nullptr;
        // The sound of the module output, when the program makes it (may be null).
        AudioRecorder* audioRecorder = nullptr;
    };

    explicit Console(const Environment& env, QObject* parent = nullptr);
    ~Console() override;

    ConsoleState& state() { return state_; }
    PanelState& panel() { return *panel_; }
    Form& mainForm();
    Form& form(const QString& name);
    Form& form(const FormId& id);
    Dialogs& dialogs() { return *env_.dialogs; }
    ScreenMetrics& screen() { return *env_.screen; }

    MidiInputPort& MIDIInput1() { return *in1_; }
    MidiInputPort& MIDIInput2() { return *in2_; }
    // The output as the console's own procedures use it: paced at the cable's speed.
    MidiOutputPort& MIDIOutput1() { return *paced_; }
    // The output for what the player plays: out at once, between the console's messages.
    MidiOutputPort& playerOutput() { return paced_->player(); }
    PacedOutputPort& pacedOutput() { return *paced_; }
    // The MIDI system's output port behind the pacing, as the backend made it.
    MidiOutputPort& deviceOutput() { return *out_; }
    // Stores the output's wire speed in the settings file and applies it (0 = off).
    bool setWireSpeed(int baud, QString* error = nullptr);

    // The console's subsystems, for the panel layer and the tests.
    // What the organ announces; add a listener to follow the console.
    ConsoleEvents& events();
    // The MIDI devices: lists, choices, opening and closing, filters, delays, wire speed.
    MidiDevices& devices();
    MidiPortSetup& portSetup();
    SysexSender& sysex();
    ConsoleUpdate& update();
    LevelSender& levels();
    Couplers& couplers();
    Thru& thru();
    ThruModeWindow& thruWindow();
    Panic& panic();
    InputDispatcher& input();
    TotalRecall& totalRecall();
    CommandExecutor& commands();
    Memories& memories();
    Drawstops& drawstops();
    Buffers& buffers();
    MemoryFile& memoryFile();
    // The File menu's memory-file items.
    FileMenu& fileMenu();
    RecoveryCopy& recovery();
    Hotkeys& hotkeys();
    AdvancedControls& advanced();
    PanelLayout& layout();
    StopCaptions& captions();
    Fonts& fonts();
    AboutHelp& aboutHelp();
    StopsTableEditor& editor();
    ConfigurationStore& configuration();
    StopTableLoader& tableLoader();
    ConsoleReset& reset();
    ProgramLifecycle& lifecycle();
    DeviceLights& deviceLights();
    SendProgress& sendProgress();
    // The on-screen keyboard window.
    OnScreenKeyboard& onScreenKeyboard();
    // The Sound window: the built-in synthesizer's driver, device, SoundFont, buffer, volume.
    SoundSetup& soundSetup();
    // File > Record: the MIDI file and the sound.
    Recording& recording();
    // The free memories in banks and the memory sequence.
    MemoryBanks& banks();
    // The crescendo pedal.
    Crescendo& crescendo();
    WaitTimer& waiter() { return waiter_; }

    // The blocking wait that keeps the event loop running.
    void Waiting_Timer(int ms) { waiter_.Waiting_Timer(ms); }

    // --- Main window ---
    // Start-up: scans the devices, reads the configuration, opens the ports, loads the stops
    // table, builds the panel, resets the console and shows the windows.
    void Form_Load();
    // Shut-down. Returns false when the player chose to keep the program running.
    bool Form_Unload();
    void exit_Click();
    // The system asks the program to end (a signal, the end of the desktop session): from now
    // on a question left unanswered because of it discards nothing.
    void requestEnd() { run_.requestEnd(); }
    bool isEndRequested() const { return run_.isEndRequested(); }
    // Ends the program as closing the main window does, but without questions: unsaved free
    // memories stay in their recovery copy for the next start.
    void endWithoutQuestions();
    void RESET_Click();
    void RESET_vorlo2000();
    void Gest_Errore_advanced();
    void EnableCFG_Click();
    // After the MIDI set-up: lists, memory captions and a reset on the new ports.
    void Fine_Setup();
    // The console update: sends what differs between the live slot and the sent slot.
    void AGGIORNAMENTO_VORLO();

    // Configuration file. Reads it and tells the player what was missing, damaged or out of
    // range; false when the defaults were installed.
    bool LEGGI_FILE_AVVIO();
    void Salva_dati_di_avvio();
    // Stops table.
    void CARICAMENTO_DAT();

    bool hasEnded() const { return run_.hasEnded(); }
    bool isStarted() const { return run_.isStarted(); }

signals:
    // The main window was unloaded: the program ends.
    void ended();

private:
    // Every subsystem, built in its constructor with the collaborators it uses.
    struct Parts;

    void connectPortEvents();

    Environment env_;
    ConsoleState state_;
    std::unique_ptr<PanelState> panel_;
    WaitTimer waiter_;
    RunState run_;
    std::unique_ptr<MidiInputPort> in1_;
    std::unique_ptr<MidiInputPort> in2_;
    std::unique_ptr<MidiOutputPort> out_;
    std::unique_ptr<PacedOutputPort> paced_;
    std::unique_ptr<Parts> parts_;
};

} // namespace vorlo
