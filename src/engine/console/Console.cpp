#include "Console.h"

#include "AboutHelp.h"
#include "AdvancedControls.h"
#include "AdvancedWindowControls.h"
#include "Buffers.h"
#include "CommandExecutor.h"
#include "ConfigurationStore.h"
#include "ConsoleEvents.h"
#include "ConsoleForms.h"
#include "ConsoleIndicators.h"
#include "ConsoleReset.h"
#include "ConsoleUpdate.h"
#include "ConsoleWindowPlaces.h"
#include "Couplers.h"
#include "Crescendo.h"
#include "DeviceLights.h"
#include "Dialogs.h"
#include "Drawstops.h"
#include "FileMenu.h"
#include "Fonts.h"
#include "Hotkeys.h"
#include "InputDispatcher.h"
#include "KeyboardWindowControls.h"
#include "LevelSender.h"
#include "MainWindowControls.h"
#include "Memories.h"
#include "MemoryBanks.h"
#include "MemoryFile.h"
#include "MemoryPanel.h"
#include "MidiBackend.h"
#include "MidiBindings.h"
#include "MidiDevices.h"
#include "MidiLearn.h"
#include "MidiPortSetup.h"
#include "OnScreenKeyboard.h"
#include "OrganSettings.h"
#include "PanelCommandBindings.h"
#include "PanelLayout.h"
#include "PanelProgramWindows.h"
#include "PanelState.h"
#include "Panic.h"
#include "PlayingAidsPanel.h"
#include "ProgramLifecycle.h"
#include "RecordWindowControls.h"
#include "Recording.h"
#include "RecoveryCopy.h"
#include "RegistrationHistory.h"
#include "ResetDisplay.h"
#include "SaveOnExitMenu.h"
#include "SendProgress.h"
#include "SequencerDisplay.h"
#include "SettingsLists.h"
#include "SoundSetup.h"
#include "StartupProblems.h"
#include "StopCaptions.h"
#include "StopTableLoader.h"
#include "StopsTableEditor.h"
#include "SysexSender.h"
#include "Thru.h"
#include "ThruModeWindow.h"
#include "TotalRecall.h"
#include "TotalRecallWindowControls.h"
#include "Transposer.h"

#include <QDir>

namespace vorlo {
namespace {

// A collaborator built after the one that receives it: only its address is taken here, and it
// is not used before every part is built. Marks the wiring's few back-references.
template <typename T> T& later(T& part) {
    return part;
}

// Added to the main window's title while the player sends more than the MIDI cable carries.
const QString kBehindCableCaption =
    QStringLiteral(" - more played than the MIDI cable carries: notes dropped");

} // namespace

// The subsystems in the order they are built; a constructor only keeps its collaborators and
// attaches its handlers, so a part may receive one built after it (marked by later()).
struct Console::Parts {
    explicit Parts(Console& c);

    // Every announcement of the organ goes to the events, which hand it to the panel's
    // indicators and to any other listener added.
    ConsoleEvents events;
    ConsoleIndicators indicators;
    SysexSender sysex;
    // What the start-up finds that needs the player, told in one window at its end.
    StartupProblems problems;
    // Where the main and Advanced windows stand, for the configuration.
    ConsoleWindowPlaces windowPlaces;
    ConfigurationStore configuration;
    SaveOnExitMenu saveOnExitMenu;
    MidiDevices devices;
    MidiPortSetup portSetup;
    ConsoleUpdate update;
    LevelSender levels;
    // The names the Advanced window's lists offer.
    SettingsLists settingsLists;
    // Levels, balances and the Advanced window's choices.
    OrganSettings settings;
    Couplers couplers;
    Thru thru;
    // The thru window and the main window's thru button.
    ThruModeWindow thruWindow;
    Panic panic;
    // The player's own bindings of keyboard messages to commands.
    MidiBindings bindings;
    // The semitones the player's notes sound at.
    Transposer transposer;
    InputDispatcher input;
    // Right-click Learn and Forget on the panel's command controls.
    MidiLearn learn;
    Memories memories;
    // The free memories in banks, and the sequence of stored memories across them.
    MemoryBanks banks;
    // The crescendo pedal's stages on top of the drawn registration.
    Crescendo crescendo;
    Drawstops drawstops;
    Buffers buffers;
    MemoryFile memoryFile;
    FileMenu fileMenu;
    RecoveryCopy recovery;
    // Undo and redo of the registration and the free memories.
    RegistrationHistory history;
    AdvancedControls advanced;
    // The player's commands, and the keys and buttons that ask for them.
    CommandExecutor commands;
    TotalRecall totalRecall;
    Hotkeys hotkeys;
    // The Great, Swell and Pedal played on the screen.
    OnScreenKeyboard keyboard;
    // The built-in synthesizer's sound.
    SoundSetup sound;
    PanelLayout layout;
    // The main window's memory indicators and buttons.
    MemoryPanel memoryPanel;
    StopCaptions captions;
    Fonts fonts;
    AboutHelp aboutHelp;
    StopTableLoader tableLoader;
    StopsTableEditor editor;
    ConsoleReset reset;
    ResetDisplay resetDisplay;
    ProgramLifecycle lifecycle;
    // The windows as the start and the end use them, and the Exit button.
    PanelProgramWindows programWindows;
    // The main window's lights for the keyboards and the module.
    DeviceLights deviceLights;
    // What still waits for the cable to the module.
    SendProgress sendProgress;
    // File > Record.
    Recording recording;
    // The main window's bank and sequence caption.
    SequencerDisplay sequencerDisplay;
    // The transposer's display.
    PlayingAidsPanel playingAids;
};

Console::Parts::Parts(Console& c)
    : indicators(c.state_, *c.panel_), sysex(c.state_, *c.paced_, c.waiter_),
      windowPlaces(*c.panel_),
      configuration(c.state_, c.dialogs(), c.screen(), windowPlaces, events, problems),
      saveOnExitMenu(*c.panel_, configuration),
      devices(c.state_, c.dialogs(), events, *c.in1_, *c.in2_, *c.paced_, c.env_.backend->watch(),
              later(reset), problems),
      portSetup(c.state_, *c.panel_, c.dialogs(), c.screen(), devices, later(update), later(reset)),
      update(c.state_, sysex, later(levels), later(settings), events, c.run_, later(lifecycle)),
      levels(c.state_, *c.paced_, events), settings(c.state_, events, levels, sysex, settingsLists),
      couplers(c.state_, events, update), thru(c.state_, events),
      thruWindow(c.state_, *c.panel_, c.screen(), later(layout), thru), panic(c.paced_->player()),
      bindings(c.state_.AppDir), transposer(events),
      input(c.state_, c.dialogs(), c.paced_->player(), *c.in1_, *c.in2_, c.run_, later(commands),
            events, bindings, transposer),
      learn(c.state_, c.mainForm(), bindings, events),
      memories(c.state_, events, update, configuration, levels, later(recovery)),
      banks(c.state_, events, memories, c.dialogs(), c.run_, problems),
      crescendo(c.state_, events, update, banks), drawstops(c.state_, events, update, memories),
      buffers(c.state_, events, c.dialogs(), update, later(recovery)),
      memoryFile(c.state_, c.dialogs(), c.run_, events, later(reset), memories, later(recovery),
                 settings),
      fileMenu(c.state_, *c.panel_, c.dialogs(), memoryFile),
      recovery(c.state_, c.dialogs(), c.run_, buffers, memoryFile),
      history(c.state_, update, events, c.run_, recovery),
      advanced(c.state_, *c.panel_, c.screen()),
      commands(
          c.state_, drawstops, memories, buffers, couplers, levels, thru, panic, settings,
          [this] { reset.RESET_Click(); }, banks, crescendo, transposer, history),
      totalRecall(c.state_, c.mainForm(), c.form(ctl::totalrecall::Window)),
      hotkeys(c.mainForm(), commands),
      keyboard(c.state_, c.mainForm(), c.form(ctl::keyboard::Window), input),
      sound(c.state_, *c.panel_, c.dialogs(), c.screen(), c.env_.sound, devices, input),
      layout(c.state_, *c.panel_, c.dialogs(), thruWindow, later(fonts)),
      memoryPanel(c.state_, *c.panel_, c.dialogs(), memories, layout),
      captions(c.state_, *c.panel_, settingsLists),
      fonts(c.state_, *c.panel_, c.dialogs(), c.screen()),
      aboutHelp(c.state_, *c.panel_, c.dialogs(), c.screen()),
      tableLoader(c.state_, c.dialogs(), events, configuration),
      editor(c.state_, *c.panel_, c.dialogs(), c.screen(), update, later(reset), configuration,
             tableLoader, memoryFile, layout, captions),
      reset(c.state_, c.dialogs(), c.waiter_, sysex, memories, events, update, later(lifecycle),
            settings),
      resetDisplay(c.state_, *c.panel_, layout),
      lifecycle({c.state_, later(programWindows), events, c.dialogs(), c.run_, sysex, devices,
                 configuration, tableLoader, reset, update, memories, recovery, problems, banks}),
      programWindows(c.state_, *c.panel_, layout, captions, advanced, lifecycle, portSetup,
                     keyboard, sound),
      deviceLights(devices, *c.in1_, *c.in2_, *c.paced_), sendProgress(*c.paced_),
      recording(c.state_, c.mainForm(), c.form(ctl::record::Window), c.dialogs(), *c.paced_, reset,
                c.env_.audioRecorder),
      sequencerDisplay(c.state_, *c.panel_), playingAids(*c.panel_) {
    events.add(indicators);
    events.add(memoryPanel);
    events.add(thruWindow);
    events.add(captions);
    events.add(saveOnExitMenu);
    events.add(resetDisplay);
    events.add(portSetup);
    events.add(deviceLights);
    events.add(recording);
    events.add(sequencerDisplay);
    recovery.onChanged = [this] { banks.shownChanged(); };
    update.beforePass = [this] { crescendo.layOnTop(); };
    events.add(playingAids);
    events.add(history);
    bindPanelCommands(c.mainForm(), commands, learn);
    bindAdvancedCommands(c.form(ctl::advanced::Window), commands);
}

Console::Console(const Environment& env, QObject* parent)
    : QObject(parent), env_(env), panel_(std::make_unique<PanelState>()) {
    state_.AppDir = QDir::cleanPath(env_.appDir);
    declareConsoleForms(*panel_);
    in1_ = env_.backend->createInput();
    in2_ = env_.backend->createInput();
    out_ = env_.backend->createOutput();
    paced_ = std::make_unique<PacedOutputPort>(*out_);
    paced_->sysexGapMs = [this] { return static_cast<int>(state_.SysexDelay); };
    parts_ = std::make_unique<Parts>(*this);
    parts_->lifecycle.onEnded = [this] {
        parts_->recording.finishAtEnd();
        emit ended();
    };
    connectPortEvents();
}

Console::~Console() = default;

MidiDevices& Console::devices() {
    return parts_->devices;
}
MidiPortSetup& Console::portSetup() {
    return parts_->portSetup;
}
SysexSender& Console::sysex() {
    return parts_->sysex;
}
ConsoleUpdate& Console::update() {
    return parts_->update;
}
LevelSender& Console::levels() {
    return parts_->levels;
}
Couplers& Console::couplers() {
    return parts_->couplers;
}
Thru& Console::thru() {
    return parts_->thru;
}
ThruModeWindow& Console::thruWindow() {
    return parts_->thruWindow;
}
Panic& Console::panic() {
    return parts_->panic;
}
InputDispatcher& Console::input() {
    return parts_->input;
}
ConsoleEvents& Console::events() {
    return parts_->events;
}
CommandExecutor& Console::commands() {
    return parts_->commands;
}
TotalRecall& Console::totalRecall() {
    return parts_->totalRecall;
}
Memories& Console::memories() {
    return parts_->memories;
}
Drawstops& Console::drawstops() {
    return parts_->drawstops;
}
Buffers& Console::buffers() {
    return parts_->buffers;
}
MemoryFile& Console::memoryFile() {
    return parts_->memoryFile;
}
FileMenu& Console::fileMenu() {
    return parts_->fileMenu;
}
RecoveryCopy& Console::recovery() {
    return parts_->recovery;
}
Hotkeys& Console::hotkeys() {
    return parts_->hotkeys;
}
AdvancedControls& Console::advanced() {
    return parts_->advanced;
}
PanelLayout& Console::layout() {
    return parts_->layout;
}
StopCaptions& Console::captions() {
    return parts_->captions;
}
Fonts& Console::fonts() {
    return parts_->fonts;
}
AboutHelp& Console::aboutHelp() {
    return parts_->aboutHelp;
}
StopsTableEditor& Console::editor() {
    return parts_->editor;
}
ConfigurationStore& Console::configuration() {
    return parts_->configuration;
}
StopTableLoader& Console::tableLoader() {
    return parts_->tableLoader;
}
ConsoleReset& Console::reset() {
    return parts_->reset;
}
ProgramLifecycle& Console::lifecycle() {
    return parts_->lifecycle;
}
DeviceLights& Console::deviceLights() {
    return parts_->deviceLights;
}
SendProgress& Console::sendProgress() {
    return parts_->sendProgress;
}
OnScreenKeyboard& Console::onScreenKeyboard() {
    return parts_->keyboard;
}
SoundSetup& Console::soundSetup() {
    return parts_->sound;
}

Recording& Console::recording() {
    return parts_->recording;
}

MemoryBanks& Console::banks() {
    return parts_->banks;
}
Crescendo& Console::crescendo() {
    return parts_->crescendo;
}

bool Console::setWireSpeed(int baud, QString* error) {
    return parts_->devices.setWireSpeed(baud, error);
}

Form& Console::mainForm() {
    return panel_->form(ctl::main::Window);
}

Form& Console::form(const QString& name) {
    return panel_->form(name);
}

Form& Console::form(const FormId& id) {
    return panel_->form(id);
}

void Console::connectPortEvents() {
    // More played than the cable carries: the main window's title says so while notes are
    // being dropped, without stopping the player.
    connect(paced_.get(), &PacedOutputPort::behindCableChanged, this, [this](bool behind) {
        mainForm().setCaption(behind ? state_.ProgramTitle + kBehindCableCaption
                                     : state_.ProgramTitle);
    });
}

void Console::Form_Load() {
    parts_->lifecycle.Form_Load();
}
bool Console::Form_Unload() {
    return parts_->lifecycle.Form_Unload();
}
void Console::exit_Click() {
    parts_->programWindows.exit_Click();
}
void Console::endWithoutQuestions() {
    parts_->lifecycle.endWithoutQuestions();
}
void Console::Gest_Errore_advanced() {
    parts_->lifecycle.Gest_Errore_advanced();
}
void Console::RESET_Click() {
    parts_->reset.RESET_Click();
}
void Console::RESET_vorlo2000() {
    parts_->reset.RESET_vorlo2000();
}
void Console::Fine_Setup() {
    parts_->reset.Fine_Setup();
}
void Console::AGGIORNAMENTO_VORLO() {
    parts_->update.AGGIORNAMENTO_VORLO();
}
bool Console::LEGGI_FILE_AVVIO() {
    return parts_->configuration.LEGGI_FILE_AVVIO();
}
void Console::Salva_dati_di_avvio() {
    parts_->configuration.Salva_dati_di_avvio();
}
void Console::EnableCFG_Click() {
    parts_->saveOnExitMenu.EnableCFG_Click();
}
void Console::CARICAMENTO_DAT() {
    parts_->tableLoader.CARICAMENTO_DAT();
}

} // namespace vorlo
