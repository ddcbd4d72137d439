#include "Console.h"

#include "ConfigFile.h"
#include "Dialogs.h"
#include "ScreenMetrics.h"
#include "midi/MidiBackend.h"
#include "midi/MidiPortSetup.h"
#include "midi/SysexSender.h"
#include "panel/ConsoleForms.h"
#include "panel/PanelState.h"
#include "stops_table/DatFile.h"

#include <QDir>

namespace vorlo {

Console::Console(const Environment& env, QObject* parent)
    : QObject(parent), env_(env), panel_(std::make_unique<PanelState>()) {
    state_.AppDir = QDir::cleanPath(env_.appDir);
    declareConsoleForms(*panel_);
    in1_ = env_.backend->createInput();
    in2_ = env_.backend->createInput();
    out_ = env_.backend->createOutput();
    sysex_ = std::make_unique<SysexSender>(*this);
    portSetup_ = std::make_unique<MidiPortSetup>(*this);
    connectPortEvents();

    Form& main = mainForm();
    main("Exit").onClick = [this] { exit_Click(); };
    main("RESET").onClick = [this] { RESET_Click(); };
    main("EnableCFG").onClick = [this] { EnableCFG_Click(); };
    main.onQueryUnload = [this] { return !Form_Unload(); };
}

Console::~Console() = default;

Form& Console::mainForm() {
    return panel_->form(QString::fromLatin1(forms::Main));
}

Form& Console::form(const QString& name) {
    return panel_->form(name);
}

void Console::connectPortEvents() {
    // Input errors 0 and 8 are routine notices of the component; every other error, and every
    // output error, is told to the player and the console carries on.
    auto inputError = [this](int code, const QString& text) {
        if (code == 0 || code == 8)
            return;
        dialogs().message(text, state_.ProgramTitle, Dialogs::Icon::None);
    };
    connect(in1_.get(), &MidiInputPort::error, this, inputError);
    connect(in2_.get(), &MidiInputPort::error, this, inputError);
    connect(out_.get(), &MidiOutputPort::error, this, [this](int, const QString& text) {
        dialogs().message(text, state_.ProgramTitle, Dialogs::Icon::None);
    });
}

ScreenContext Console::screenContext() {
    Form& main = mainForm();
    ScreenContext c;
    c.screenWidth = screen().screenWidthTwips();
    c.screenHeight = screen().screenHeightTwips();
    c.mainWidth = std::isnan(main.width()) ? 0 : main.width();
    c.mainHeight = std::isnan(main.height()) ? 0 : main.height();
    return c;
}

void Console::showError(const QString& text) {
    dialogs().message(text, state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void Console::Form_Load() {
    ConsoleState& st = state_;
    Form& main = mainForm();

    st.PicGreenOn = st.appFile(QStringLiteral("green-on.gif"));
    st.PicGreenOff = st.appFile(QStringLiteral("green-off.gif"));
    st.PicRedOn = st.appFile(QStringLiteral("red-on.gif"));
    st.PicRedOff = st.appFile(QStringLiteral("red-off.gif"));
    st.PicYellowOn = st.appFile(QStringLiteral("yellow-on.gif"));
    main.setPicture(st.appFile(QStringLiteral("bach.ico")));
    main.setLoaded(true);

    portSetup_->MIDI_DEVICES_ACK();
    st.DeviceListFresh = true;
    st.CopyFreeToFixed = false;
    st.CfgFilePath = st.appFile(QStringLiteral("vorlo2000.CFG"));
    st.initFreeMemories();
    if (!LEGGI_FILE_AVVIO())
        dialogs().message(QStringLiteral("Midi devices are unassigned : go to Setup !"),
                          st.ProgramTitle, Dialogs::Icon::Exclamation);
    portSetup_->MIDI_OPENING();
    CARICAMENTO_DAT();
    st.RecallTarget = 11;

    RESET_Click();
    st.RecallTarget = 11;

    main.setLeft(st.MainLeft);
    main.setTop(st.MainTop);
    main.setVisible(true);
    st.FreeMemoriesUnsaved = false;
    started_ = true;
}

// ---------------------------------------------------------------------------------------------
// Reset

void Console::RESET_Click() {
    RESET_vorlo2000();
}

void Console::RESET_vorlo2000() {
    ConsoleState& st = state_;
    Form& main = mainForm();
    Control& reset = main("RESET");

    reset.setBackColor(color::Lit);
    sysex_->Sysex_Sending(0);
    Waiting_Timer(100);
    sysex_->Sysex_Sending(1);
    Waiting_Timer(2);
    sysex_->Sysex_Sending(2);
    Waiting_Timer(2);
    sysex_->Sysex_Sending(3);
    sysex_->Sysex_Sending(st.ReverbType + StopTable::kReverbFirst);

    st.ResetConsoleSlots();

    st.RecArmed = false;
    main("Rec_button").setBackColor(color::ButtonFace);
    st.LastMemory = 1;
    st.MemoryUnchanged = false;
    for (const char* name : {"Tir_TREMOLOGO", "TIR_TREMOLOSW", "UNPI", "UNPII"})
        main(QString::fromLatin1(name)).setBackColor(color::ButtonFace);
    main("THRUBUTTON").setVisible(st.ThruMode == 1);

    try {
        main("EnableCFG").setChecked(st.SaveCfgOnExit == 1);
        main("DisplayLeds").setChecked(st.MemoryLedsShown);
        st.MemoryLedsShown = main("DisplayLeds").isChecked();
    } catch (const std::exception&) {
        Gest_Errore_advanced();
        return;
    }
    reset.setBackColor(color::ButtonFace);
}

void Console::Fine_Setup() {
    RESET_Click();
}

void Console::AGGIORNAMENTO_VORLO() {}

// ---------------------------------------------------------------------------------------------
// Shut-down

bool Console::Form_Unload() {
    if (ended_)
        return true;
    ConsoleState& st = state_;
    if (st.FreeMemoriesUnsaved &&
        !dialogs().askYesNo(QStringLiteral("Free memories unsaved : exit anyway?"),
                            QStringLiteral("Warning")))
        return false;
    sysex_->Sysex_Sending(0);
    portSetup_->CHIUSURA_PORTE_MIDI();
    if (st.SaveCfgOnExit == 1)
        Salva_dati_di_avvio();
    ended_ = true;
    for (Form* f : panel_->forms()) {
        f->setVisible(false);
        f->setLoaded(false);
    }
    emit ended();
    return true;
}

void Console::exit_Click() {
    Form_Unload();
}

void Console::Gest_Errore_advanced() {
    dialogs().message(QStringLiteral("Some files needed to Vorlo would be loss or corrupted. Try "
                                     "program restart or Re-install Vorlo."),
                      QStringLiteral("Fatal Error!"), Dialogs::Icon::Critical);
    Form_Unload();
}

// ---------------------------------------------------------------------------------------------
// Configuration file

bool Console::LEGGI_FILE_AVVIO() {
    return ConfigFile::read(state_.CfgFilePath, state_, screenContext());
}

void Console::Salva_dati_di_avvio() {
    ConsoleState& st = state_;
    // The windows' current positions.
    Form& main = mainForm();
    Form& adv = form(QString::fromLatin1(forms::Advanced));
    if (main.hasGeometry()) {
        st.MainTop = static_cast<float>(main.top());
        st.MainLeft = static_cast<float>(main.left());
    }
    if (adv.hasGeometry()) {
        st.AdvancedTop = static_cast<float>(adv.top());
        st.AdvancedLeft = static_cast<float>(adv.left());
    }
    if (st.CopyFreeToFixed) {
        for (int n = kFirstFree; n <= kLastFree; ++n)
            st.copySlot(n, n + 12);
        dialogs().message(QStringLiteral("FIXED MEMORY OVERWRITTEN!"), st.ProgramTitle,
                          Dialogs::Icon::Information);
        st.CopyFreeToFixed = false;
    }
    QString error;
    if (!ConfigFile::write(st.CfgFilePath, st, &error))
        showError(QStringLiteral("The configuration file %1 could not be written (%2). The "
                                 "previous file is kept; your settings of this session are not "
                                 "saved.")
                      .arg(QDir::toNativeSeparators(st.CfgFilePath), error));
}

void Console::EnableCFG_Click() {
    Control& item = mainForm()("EnableCFG");
    item.setChecked(!item.isChecked());
    state_.SaveCfgOnExit = item.isChecked() ? 1 : 0;
    Salva_dati_di_avvio();
}

// ---------------------------------------------------------------------------------------------
// Stops table

bool Console::loadStopTable() {
    ConsoleState& st = state_;
    StopTable table;
    const DatFile::ReadResult r = DatFile::read(st.DatFilePath, table);
    if (!r.ok)
        return false;
    st.Table = table;
    st.copyReinforcementFlags();
    st.ProgramTitle = QStringLiteral("Vorlo2000 V2.0");
    form(QString::fromLatin1(forms::Setup))("LabelNomeprog").setCaption(st.ProgramTitle);
    mainForm().setCaption(st.ProgramTitle);
    st.MidiPortsReady = true;
    st.LearnActive = false;
    st.LearnIndex = 0;
    return true;
}

void Console::CARICAMENTO_DAT() {
    ConsoleState& st = state_;
    if (loadStopTable())
        return;
    dialogs().message(QStringLiteral("Error Loading Stops Table File ") + st.DatFilePath +
                          QStringLiteral(" File is Damaged or Wrong Path is on CFG File: program "
                                         "will load default File vorlo2000.DAT,if it is present "
                                         "in vorlo2000 directory"),
                      st.ProgramTitle, Dialogs::Icon::Critical);
    st.DatFilePath = st.appFile(QStringLiteral("vorlo2000.dat"));
    Salva_dati_di_avvio();
    if (loadStopTable())
        return;
    // Neither table can be read: the console runs without stops rather than not at all.
    st.Table.clear();
    st.copyReinforcementFlags();
    st.ProgramTitle = QStringLiteral("Vorlo2000 V2.0");
    mainForm().setCaption(st.ProgramTitle);
    dialogs().message(QStringLiteral("The default stops table ") +
                          QDir::toNativeSeparators(st.DatFilePath) +
                          QStringLiteral(" cannot be read either: the console runs with an "
                                         "empty stops table. Choose a stops table in the "
                                         "editor, or reinstall Vorlo2000."),
                      st.ProgramTitle, Dialogs::Icon::Critical);
}

} // namespace vorlo
