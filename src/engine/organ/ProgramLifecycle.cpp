#include "ProgramLifecycle.h"

#include "ConfigurationStore.h"
#include "ConsoleListener.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Dialogs.h"
#include "FolderLock.h"
#include "Memories.h"
#include "MemoryBanks.h"
#include "MidiDevices.h"
#include "ProgramWindows.h"
#include "RecoveryCopy.h"
#include "RunState.h"
#include "StartupProblems.h"
#include "StopTableLoader.h"
#include "SysexSender.h"

#include <QDir>

namespace vorlo {

ProgramLifecycle::ProgramLifecycle(const Collaborators& c)
    : state_(c.state), windows_(c.windows), events_(c.events), dialogs_(c.dialogs), run_(c.run),
      sysex_(c.sysex), devices_(c.devices), config_(c.config), tableLoader_(c.tableLoader),
      reset_(c.reset), update_(c.update), memories_(c.memories), recovery_(c.recovery),
      problems_(c.problems), banks_(c.banks) {}

ProgramLifecycle::~ProgramLifecycle() = default;

bool ProgramLifecycle::takeProgramFolder() {
    folderLock_ = std::make_unique<FolderLock>(state_.AppDir);
    if (folderLock_->take() != FolderLock::Result::HeldByAnother)
        return true;
    dialogs_.message(QStringLiteral("Vorlo2000 is already running from this folder, %1 (%2). "
                                    "Only one console can use a program folder at a time: "
                                    "this one closes.")
                         .arg(QDir::toNativeSeparators(state_.AppDir), folderLock_->holder()),
                     state_.ProgramTitle, Dialogs::Icon::Exclamation);
    folderLock_.reset();
    run_.setEnded();
    if (onEnded)
        onEnded();
    return false;
}

void ProgramLifecycle::Form_Load() {
    if (!takeProgramFolder())
        return;
    ConsoleState& st = state_;
    problems_.begin();

    st.PicGreenOn = st.appFile(QStringLiteral("green-on.gif"));
    st.PicGreenOff = st.appFile(QStringLiteral("green-off.gif"));
    st.PicRedOn = st.appFile(QStringLiteral("red-on.gif"));
    st.PicRedOff = st.appFile(QStringLiteral("red-off.gif"));
    st.PicYellowOn = st.appFile(QStringLiteral("yellow-on.gif"));
    windows_.loadMainWindow();

    devices_.MIDI_DEVICES_ACK();
    st.DeviceListFresh = true;
    st.CopyFreeToFixed = false;
    st.CfgFilePath = st.appFile(QStringLiteral("vorlo2000.CFG"));
    st.initFreeMemories();
    const bool configurationRead = config_.LEGGI_FILE_AVVIO();
    // Banks 2..100 of the free memories; the console starts on bank 1.
    banks_.load();
    devices_.findStoredDevices(configurationRead);
    devices_.MIDI_OPENING();
    tableLoader_.CARICAMENTO_DAT();
    st.RecallTarget = 11;

    windows_.buildPanel();
    st.SyxLoadEnabled = true;

    memories_.SPENGO_MEMORIE();
    memories_.Spengo_Graduatore();
    windows_.loadAdvancedWindow();
    reset_.RESET_Click();
    if (run_.hasEnded()) {
        tellProblems();
        return;
    }
    st.RecallTarget = 11;

    events_.settingsShown();

    update_.AGGIORNAMENTO_VORLO();

    windows_.showWindows();
    st.FreeMemoriesUnsaved = false;
    run_.setStarted();
    devices_.reviewStart(configurationRead);
    tellProblems();
    // Free memories that an unexpected end of the last run left unsaved.
    recovery_.offerRestore();
}

void ProgramLifecycle::tellProblems() {
    const QList<StartupProblem> problems = problems_.finish();
    if (problems.isEmpty())
        return;
    const SetupPage page = dialogs_.showProblems(problems, QStringLiteral("Before you play"));
    if (!run_.hasEnded())
        windows_.openSetupPage(page);
}

bool ProgramLifecycle::Form_Unload() {
    if (run_.hasEnded())
        return true;
    ConsoleState& st = state_;
    if (st.FreeMemoriesUnsaved &&
        !dialogs_.askYesNo(QStringLiteral("Free memories unsaved : exit anyway?"),
                           QStringLiteral("Warning")))
        return false;
    // The editor asks its own exit question about a table modified or not enabled; its No
    // keeps the program running with the editor open.
    if (!windows_.editorAgreesToEnd())
        return false;
    // Nothing unsaved, or the player chose to lose it: nothing to recover.
    endProgram(false);
    return true;
}

void ProgramLifecycle::endWithoutQuestions() {
    if (run_.hasEnded())
        return;
    endProgram(state_.FreeMemoriesUnsaved);
}

void ProgramLifecycle::endProgram(bool keepRecoveryCopy) {
    sysex_.Sysex_Sending(0);
    devices_.CHIUSURA_PORTE_MIDI();
    if (state_.SaveCfgOnExit == 1)
        config_.Salva_dati_di_avvio();
    recovery_.endOfProgram(keepRecoveryCopy);
    run_.setEnded();
    windows_.unloadAll();
    if (onEnded)
        onEnded();
}

void ProgramLifecycle::Gest_Errore_advanced() {
    dialogs_.message(QStringLiteral("Some files needed to Vorlo would be loss or corrupted. Try "
                                    "program restart or Re-install Vorlo."),
                     QStringLiteral("Fatal Error!"), Dialogs::Icon::Critical);
    Form_Unload();
}

} // namespace vorlo
