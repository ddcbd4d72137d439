#include "Console.h"

#include "ConfigFile.h"
#include "Dialogs.h"
#include "ScreenMetrics.h"
#include "advanced/AdvancedControls.h"
#include "combination/Buffers.h"
#include "combination/Drawstops.h"
#include "combination/Hotkeys.h"
#include "combination/Memories.h"
#include "combination/MemoryFile.h"
#include "combination/RecoveryCopy.h"
#include "midi/ConsoleUpdate.h"
#include "midi/Couplers.h"
#include "midi/InputDispatcher.h"
#include "midi/LevelSender.h"
#include "midi/MidiBackend.h"
#include "midi/MidiPortSetup.h"
#include "midi/Panic.h"
#include "midi/SysexSender.h"
#include "midi/Thru.h"
#include "midi/TotalRecall.h"
#include "panel/AboutHelp.h"
#include "panel/ConsoleForms.h"
#include "panel/Fonts.h"
#include "panel/PanelLayout.h"
#include "panel/PanelState.h"
#include "panel/StopCaptions.h"
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
    update_ = std::make_unique<ConsoleUpdate>(*this);
    levels_ = std::make_unique<LevelSender>(*this);
    couplers_ = std::make_unique<Couplers>(*this);
    thru_ = std::make_unique<Thru>(*this);
    panic_ = std::make_unique<Panic>(*this);
    input_ = std::make_unique<InputDispatcher>(*this);
    totalRecall_ = std::make_unique<TotalRecall>(*this);
    memories_ = std::make_unique<Memories>(*this);
    drawstops_ = std::make_unique<Drawstops>(*this);
    buffers_ = std::make_unique<Buffers>(*this);
    memoryFile_ = std::make_unique<MemoryFile>(*this);
    recovery_ = std::make_unique<RecoveryCopy>(*this);
    hotkeys_ = std::make_unique<Hotkeys>(*this);
    advanced_ = std::make_unique<AdvancedControls>(*this);
    layout_ = std::make_unique<PanelLayout>(*this);
    captions_ = std::make_unique<StopCaptions>(*this);
    fonts_ = std::make_unique<Fonts>(*this);
    aboutHelp_ = std::make_unique<AboutHelp>(*this);
    connectPortEvents();

    Form& main = mainForm();
    main("Exit").onClick = [this] { exit_Click(); };
    main("RESET").onClick = [this] { RESET_Click(); };
    main("EnableCFG").onClick = [this] { EnableCFG_Click(); };
    main.onQueryUnload = [this] { return !Form_Unload(); };
    // The stops table editor is not part of this console yet.
    main("LoadEditor").setEnabled(false);
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
    Form& adv = form(QString::fromLatin1(forms::Advanced));

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

    layout_->ATTIVA_DISATTIVA_GRAPHIC_Interface();
    if (st.GraphicMode)
        layout_->LOAD_GRAPHIC_INTERFACE();
    else
        layout_->LOAD_NORMAL_INTERFACE();
    st.SyxLoadEnabled = true;

    memories_->Scrivi_ToolTips_memorie();
    memories_->SPENGO_MEMORIE();
    memories_->Spengo_Graduatore();
    captions_->CARICAMENTO_LIST_BOXES();

    advanced_->Form_Load();
    RESET_Click();
    if (ended_)
        return;
    st.RecallTarget = 11;

    adv("OptionGlobalCoupling", std::clamp<int>(st.GlobalCoupling, 0, 2)).selectOption();
    adv("Valore").setCaption(QString::number(st.TremoloRate));
    adv("Memory_Recall", 0).setCheckValue(st.RecallGlobals);
    adv("Memory_Recall", 1).setCheckValue(st.RecallBalance);

    AGGIORNAMENTO_VORLO();

    main.setLeft(st.MainLeft);
    main.setTop(st.MainTop);
    adv.setVisible(true);
    main.setVisible(true);
    st.FreeMemoriesUnsaved = false;
    started_ = true;
    // Free memories that an unexpected end of the last run left unsaved.
    recovery_->offerRestore();
}

// ---------------------------------------------------------------------------------------------
// Reset

void Console::RESET_Click() {
    RESET_vorlo2000();
}

void Console::RESET_vorlo2000() {
    ConsoleState& st = state_;
    Form& main = mainForm();
    Form& adv = form(QString::fromLatin1(forms::Advanced));
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

    memories_->SPENGO_MEMORIE();
    memories_->Spengo_Graduatore();

    // The knobs drawn before the reset go back to "off", whichever panel is shown.
    showKnobsOff(SlotLive);

    st.ResetConsoleSlots();

    adv("SliderGO").setValue(st.MemExprGO[SlotLive]);
    adv("SliderSW").setValue(st.MemExprSW[SlotLive]);
    adv("SliderPE").setValue(st.MemExprPE[SlotLive]);
    adv("EXPGO").setCaption(QString::number(st.MemExprGO[SlotLive]));
    adv("EXPSW").setCaption(QString::number(st.MemExprSW[SlotLive]));
    adv("EXPPE").setCaption(QString::number(st.MemExprPE[SlotLive]));
    adv("EXPfondi", 1).setCaption(QString::number(st.MemBalFO_GO[SlotLive]));
    adv("EXPmutazioni", 1).setCaption(QString::number(st.MemBalMU_GO[SlotLive]));
    adv("EXPancie", 1).setCaption(QString::number(st.MemBalAN_GO[SlotLive]));
    adv("EXPfondi", 2).setCaption(QString::number(st.MemBalFO_SW[SlotLive]));
    adv("EXPmutazioni", 2).setCaption(QString::number(st.MemBalMU_SW[SlotLive]));
    adv("EXPancie", 2).setCaption(QString::number(st.MemBalAN_SW[SlotLive]));
    adv("SliderTremoloRate").setValue(st.TremoloRate);

    layout_->VISUALIZZA_LED_O_PANNELLINI();

    st.RecArmed = false;
    main("Rec_button").setBackColor(color::ButtonFace);
    st.LastMemory = 1;
    st.MemoryUnchanged = false;
    for (const char* name : {"Tir_TREMOLOGO", "TIR_TREMOLOSW", "UNPI", "UNPII"})
        main(QString::fromLatin1(name)).setBackColor(color::ButtonFace);
    main("THRUBUTTON").setVisible(st.ThruMode == 1);

    try {
        selectStoredLists();
        memories_->Scrivi_Label_memorie();
        main("EnableCFG").setChecked(st.SaveCfgOnExit == 1);
        main("DisplayLeds").setChecked(st.MemoryLedsShown);
        st.MemoryLedsShown = main("DisplayLeds").isChecked();
        AGGIORNAMENTO_VORLO();
    } catch (const std::exception&) {
        Gest_Errore_advanced();
        return;
    }
    reset.setBackColor(color::ButtonFace);
}

void Console::showKnobsOff(int slot) {
    ConsoleState& st = state_;
    Form& main = mainForm();
    const struct {
        const char* knobs;
        const SlotArray& field;
        const QString& off;
        int rows;
    } knobs[] = {
        {"Tir_FO_GO_graph", st.MemFO_GO, st.PicDrawOffGO, 30},
        {"Tir_MU_GO_graph", st.MemMU_GO, st.PicDrawOffGO, 20},
        {"Tir_AN_GO_graph", st.MemAN_GO, st.PicDrawOffGO, 20},
        {"Tir_FO_SW_graph", st.MemFO_SW, st.PicDrawOffSW, 30},
        {"Tir_MU_SW_graph", st.MemMU_SW, st.PicDrawOffSW, 20},
        {"Tir_AN_SW_graph", st.MemAN_SW, st.PicDrawOffSW, 20},
        {"Tir_PED_graph", st.MemPED, st.PicDrawOff, 20},
    };
    for (const auto& k : knobs) {
        const int p = k.field[slot];
        if (p >= 0 && p < k.rows)
            main(QString::fromLatin1(k.knobs), p).setPicture(k.off);
    }
}

void Console::selectStoredLists() {
    ConsoleState& st = state_;
    selectStoredListEntry("Temperamenti", st.Temperament, QStringLiteral("temperament"));
    selectStoredListEntry("Riverberi", st.ReverbType, QStringLiteral("reverb"));
    selectStoredListEntry("NotaInizTemp", st.TemperamentStart, QStringLiteral("tuning start note"));
    selectStoredListEntry("TremoloType", st.TremoloType, QStringLiteral("tremolo type"));
}

void Console::selectStoredListEntry(const char* list, int16_t& setting, const QString& what) {
    Control& l = form(QString::fromLatin1(forms::Advanced))(QString::fromLatin1(list));
    const int count = static_cast<int>(l.items().size());
    if (count == 0)
        return; // the stops table names no entries for this list
    if (setting < 0 || setting >= count) {
        dialogs().message(QStringLiteral("The stored %1 number %2 is not in the list of this "
                                         "stops table: the first %1 is used.")
                              .arg(what)
                              .arg(setting),
                          state_.ProgramTitle, Dialogs::Icon::Exclamation);
        setting = 0;
    }
    l.setListIndex(setting);
}

void Console::Fine_Setup() {
    selectStoredLists();
    memories_->Scrivi_Label_memorie();
    RESET_Click();
}

void Console::AGGIORNAMENTO_VORLO() {
    update_->AGGIORNAMENTO_VORLO();
}

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
    // Nothing unsaved, or the player chose to lose it: nothing to recover.
    endProgram(false);
    return true;
}

void Console::endWithoutQuestions() {
    if (ended_)
        return;
    endProgram(state_.FreeMemoriesUnsaved);
}

void Console::endProgram(bool keepRecoveryCopy) {
    sysex_->Sysex_Sending(0);
    portSetup_->CHIUSURA_PORTE_MIDI();
    if (state_.SaveCfgOnExit == 1)
        Salva_dati_di_avvio();
    recovery_->endOfProgram(keepRecoveryCopy);
    ended_ = true;
    for (Form* f : panel_->forms()) {
        f->setVisible(false);
        f->setLoaded(false);
    }
    emit ended();
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
    captions_->SCRITTURA_TESTI_DEI_REGISTRI();
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
    captions_->SCRITTURA_TESTI_DEI_REGISTRI();
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
