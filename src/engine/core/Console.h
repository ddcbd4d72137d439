#pragma once

#include "ConfigFile.h"
#include "ConsoleState.h"
#include "WaitTimer.h"
#include "midi/MidiInputPort.h"
#include "midi/MidiOutputPort.h"
#include "midi/PacedOutputPort.h"

#include <QObject>
#include <memory>

namespace vorlo {

class AboutHelp;
class AdvancedControls;
class Buffers;
class ConsoleUpdate;
class Couplers;
class Dialogs;
class Drawstops;
class Fonts;
class Form;
struct ControlId;
struct FormId;
class Hotkeys;
class InputDispatcher;
class LevelSender;
class Memories;
class MemoryFile;
class MidiBackend;
class MidiPortSetup;
class PanelLayout;
class PanelState;
class Panic;
class RecoveryCopy;
class ScreenMetrics;
class StopCaptions;
class StopsTableEditor;
class SysexSender;
class Thru;
class TotalRecall;

// The console: the state store, its windows' visible state, the three MIDI ports and every
// procedure of the program, wired together. It runs on the thread that owns the Qt event loop
// and needs no widgets, so everything it does can be driven headless.
class Console : public QObject {
    Q_OBJECT
public:
    struct Environment {
        QString appDir; // the program folder: data files and configuration
        MidiBackend* backend = nullptr;
        Dialogs* dialogs = nullptr;
        ScreenMetrics* screen = nullptr;
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

    // The console's procedures, by subsystem.
    MidiPortSetup& portSetup() { return *portSetup_; }
    SysexSender& sysex() { return *sysex_; }
    ConsoleUpdate& update() { return *update_; }
    LevelSender& levels() { return *levels_; }
    Couplers& couplers() { return *couplers_; }
    Thru& thru() { return *thru_; }
    Panic& panic() { return *panic_; }
    InputDispatcher& input() { return *input_; }
    TotalRecall& totalRecall() { return *totalRecall_; }
    Memories& memories() { return *memories_; }
    Drawstops& drawstops() { return *drawstops_; }
    Buffers& buffers() { return *buffers_; }
    MemoryFile& memoryFile() { return *memoryFile_; }
    RecoveryCopy& recovery() { return *recovery_; }
    Hotkeys& hotkeys() { return *hotkeys_; }
    AdvancedControls& advanced() { return *advanced_; }
    PanelLayout& layout() { return *layout_; }
    StopCaptions& captions() { return *captions_; }
    Fonts& fonts() { return *fonts_; }
    AboutHelp& aboutHelp() { return *aboutHelp_; }
    StopsTableEditor& editor() { return *editor_; }
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
    void requestEnd() { endRequested_ = true; }
    bool isEndRequested() const { return endRequested_; }
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
    // The graphic panel's knobs at the positions a slot holds show their "off" picture.
    void showKnobsOff(int slot);

    bool hasEnded() const { return ended_; }
    bool isStarted() const { return started_; }

signals:
    // The main window was unloaded: the program ends.
    void ended();

private:
    void connectPortEvents();
    // The end itself, once no question stands in the way: entry 0, ports closed,
    // configuration saved when the player wants it, windows unloaded.
    void endProgram(bool keepRecoveryCopy);
    // Selects a stored index in one of the Advanced window's lists (running its handler when
    // the selection changes); an index the list cannot take is reported and the first entry
    // is used instead.
    void selectStoredListEntry(const ControlId& list, int16_t& setting, const QString& what);
    // The Advanced window's four lists show the stored temperament, reverb, start note and
    // tremolo type.
    void selectStoredLists();
    bool loadStopTable();
    ScreenContext screenContext();
    // The one message about a damaged configuration file: where, what, and where the damaged
    // file is kept.
    void reportDamagedConfiguration(const ConfigFile::ReadResult& r);
    void reportAdjustedSettings(const QStringList& adjusted);
    void showError(const QString& text);

    Environment env_;
    ConsoleState state_;
    std::unique_ptr<PanelState> panel_;
    WaitTimer waiter_;
    std::unique_ptr<MidiInputPort> in1_;
    std::unique_ptr<MidiInputPort> in2_;
    std::unique_ptr<MidiOutputPort> out_;
    std::unique_ptr<PacedOutputPort> paced_;
    std::unique_ptr<SysexSender> sysex_;
    std::unique_ptr<MidiPortSetup> portSetup_;
    std::unique_ptr<ConsoleUpdate> update_;
    std::unique_ptr<LevelSender> levels_;
    std::unique_ptr<Couplers> couplers_;
    std::unique_ptr<Thru> thru_;
    std::unique_ptr<Panic> panic_;
    std::unique_ptr<InputDispatcher> input_;
    std::unique_ptr<TotalRecall> totalRecall_;
    std::unique_ptr<Memories> memories_;
    std::unique_ptr<Drawstops> drawstops_;
    std::unique_ptr<Buffers> buffers_;
    std::unique_ptr<MemoryFile> memoryFile_;
    std::unique_ptr<RecoveryCopy> recovery_;
    std::unique_ptr<Hotkeys> hotkeys_;
    std::unique_ptr<AdvancedControls> advanced_;
    std::unique_ptr<PanelLayout> layout_;
    std::unique_ptr<StopCaptions> captions_;
    std::unique_ptr<Fonts> fonts_;
    std::unique_ptr<AboutHelp> aboutHelp_;
    std::unique_ptr<StopsTableEditor> editor_;
    bool started_ = false;
    bool ended_ = false;
    bool endRequested_ = false;
};

} // namespace vorlo
