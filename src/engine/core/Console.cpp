#include "Console.h"

#include "ConfigFile.h"
#include "Cp1252.h"
#include "Dialogs.h"
#include "ScreenMetrics.h"
#include "SettingsFile.h"
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
#include "panel/AdvancedWindowControls.h"
#include "panel/ConsoleForms.h"
#include "panel/Fonts.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelLayout.h"
#include "panel/PanelState.h"
#include "panel/SetupWindowControls.h"
#include "panel/StopCaptions.h"
#include "stops_table/DatFile.h"
#include "stops_table/StopsTableEditor.h"

#include <QDateTime>
#include <QDir>

namespace vorlo {
namespace {

// The output's wire speed in baud (0 = off), in the settings file.
constexpr const char* kWireSpeedKey = "Output/WireSpeed";

} // namespace

Console::Console(const Environment& env, QObject* parent)
    : QObject(parent), env_(env), panel_(std::make_unique<PanelState>()) {
    state_.AppDir = QDir::cleanPath(env_.appDir);
    declareConsoleForms(*panel_);
    in1_ = env_.backend->createInput();
    in2_ = env_.backend->createInput();
    out_ = env_.backend->createOutput();
    paced_ = std::make_unique<PacedOutputPort>(*out_);
    paced_->sysexGapMs = [this] { return static_cast<int>(state_.SysexDelay); };
    paced_->setWireSpeed(PacedOutputPort::parseWireSpeed(
        SettingsFile(state_.AppDir).value(QString::fromLatin1(kWireSpeedKey)),
        PacedOutputPort::kDinBaud));
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
    editor_ = std::make_unique<StopsTableEditor>(*this);
    connectPortEvents();

    Form& main = mainForm();
    main(ctl::main::Exit).onClick = [this] { exit_Click(); };
    main(ctl::main::RESET).onClick = [this] { RESET_Click(); };
    main(ctl::main::EnableCFG).onClick = [this] { EnableCFG_Click(); };
    main.onQueryUnload = [this] { return !Form_Unload(); };
}

Console::~Console() = default;

bool Console::setWireSpeed(int baud, QString* error) {
    paced_->setWireSpeed(baud);
    return SettingsFile(state_.AppDir)
        .setValue(QString::fromLatin1(kWireSpeedKey), paced_->wireSpeed(), error);
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
    // Input errors 0 and 8 are routine notices of the component; every other error, and every
    // output error, is told to the player and the console carries on.
    auto inputError = [this](int code, const QString& text) {
        if (code == 0 || code == 8)
            return;
        dialogs().message(text, state_.ProgramTitle, Dialogs::Icon::None);
    };
    connect(in1_.get(), &MidiInputPort::error, this, inputError);
    connect(in2_.get(), &MidiInputPort::error, this, inputError);
    connect(paced_.get(), &MidiOutputPort::error, this, [this](int, const QString& text) {
        dialogs().message(text, state_.ProgramTitle, Dialogs::Icon::None);
    });
}

ScreenContext Console::screenContext() {
    auto known = [](double v) { return std::isnan(v) ? 0.0 : v; };
    Form& adv = form(ctl::advanced::Window);
    ScreenContext c(screen().screenWidthTwips(), screen().screenHeightTwips());
    // The main window takes the size of the panel the settings choose when the layout is
    // built; until then it has none.
    c.mainSizeFor = [](const ConsoleState& st) {
        return PanelLayout::mainWindowSize(st.GraphicMode, st.PanelScale);
    };
    c.advancedWidth = known(adv.width());
    c.advancedHeight = known(adv.height());
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
    Form& adv = form(ctl::advanced::Window);

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
    const bool configurationRead = LEGGI_FILE_AVVIO();
    portSetup_->takeBuiltInChoice(configurationRead);
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

    adv(ctl::advanced::OptionGlobalCoupling, std::clamp<int>(st.GlobalCoupling, 0, 2))
        .selectOption();
    adv(ctl::advanced::Valore).setCaption(QString::number(st.TremoloRate));
    adv(ctl::advanced::Memory_Recall, 0).setCheckValue(st.RecallGlobals);
    adv(ctl::advanced::Memory_Recall, 1).setCheckValue(st.RecallBalance);

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
    Form& adv = form(ctl::advanced::Window);
    Control& reset = main(ctl::main::RESET);

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

    adv(ctl::advanced::SliderGO).setValue(st.MemExprGO[SlotLive]);
    adv(ctl::advanced::SliderSW).setValue(st.MemExprSW[SlotLive]);
    adv(ctl::advanced::SliderPE).setValue(st.MemExprPE[SlotLive]);
    adv(ctl::advanced::EXPGO).setCaption(QString::number(st.MemExprGO[SlotLive]));
    adv(ctl::advanced::EXPSW).setCaption(QString::number(st.MemExprSW[SlotLive]));
    adv(ctl::advanced::EXPPE).setCaption(QString::number(st.MemExprPE[SlotLive]));
    adv(ctl::advanced::EXPfondi, 1).setCaption(QString::number(st.MemBalFO_GO[SlotLive]));
    adv(ctl::advanced::EXPmutazioni, 1).setCaption(QString::number(st.MemBalMU_GO[SlotLive]));
    adv(ctl::advanced::EXPancie, 1).setCaption(QString::number(st.MemBalAN_GO[SlotLive]));
    adv(ctl::advanced::EXPfondi, 2).setCaption(QString::number(st.MemBalFO_SW[SlotLive]));
    adv(ctl::advanced::EXPmutazioni, 2).setCaption(QString::number(st.MemBalMU_SW[SlotLive]));
    adv(ctl::advanced::EXPancie, 2).setCaption(QString::number(st.MemBalAN_SW[SlotLive]));
    adv(ctl::advanced::SliderTremoloRate).setValue(st.TremoloRate);

    layout_->VISUALIZZA_LED_O_PANNELLINI();

    st.RecArmed = false;
    main(ctl::main::Rec_button).setBackColor(color::ButtonFace);
    st.LastMemory = 1;
    st.MemoryUnchanged = false;
    for (const ControlId& id :
         {ctl::main::Tir_TREMOLOGO, ctl::main::TIR_TREMOLOSW, ctl::main::UNPI, ctl::main::UNPII})
        main(id).setBackColor(color::ButtonFace);
    main(ctl::main::THRUBUTTON).setVisible(st.ThruMode == 1);

    try {
        selectStoredLists();
        memories_->Scrivi_Label_memorie();
        main(ctl::main::EnableCFG).setChecked(st.SaveCfgOnExit == 1);
        main(ctl::main::DisplayLeds).setChecked(st.MemoryLedsShown);
        st.MemoryLedsShown = main(ctl::main::DisplayLeds).isChecked();
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
        const ControlArrayId& knobs;
        const SlotArray& field;
        const QString& off;
        int rows;
    } knobs[] = {
        {ctl::main::Tir_FO_GO_graph, st.MemFO_GO, st.PicDrawOffGO, 30},
        {ctl::main::Tir_MU_GO_graph, st.MemMU_GO, st.PicDrawOffGO, 20},
        {ctl::main::Tir_AN_GO_graph, st.MemAN_GO, st.PicDrawOffGO, 20},
        {ctl::main::Tir_FO_SW_graph, st.MemFO_SW, st.PicDrawOffSW, 30},
        {ctl::main::Tir_MU_SW_graph, st.MemMU_SW, st.PicDrawOffSW, 20},
        {ctl::main::Tir_AN_SW_graph, st.MemAN_SW, st.PicDrawOffSW, 20},
        {ctl::main::Tir_PED_graph, st.MemPED, st.PicDrawOff, 20},
    };
    for (const auto& k : knobs) {
        const int p = k.field[slot];
        if (p >= 0 && p < k.rows)
            main(k.knobs, p).setPicture(k.off);
    }
}

void Console::selectStoredLists() {
    ConsoleState& st = state_;
    selectStoredListEntry(ctl::advanced::Temperamenti, st.Temperament,
                          QStringLiteral("temperament"));
    selectStoredListEntry(ctl::advanced::Riverberi, st.ReverbType, QStringLiteral("reverb"));
    selectStoredListEntry(ctl::advanced::NotaInizTemp, st.TemperamentStart,
                          QStringLiteral("tuning start note"));
    selectStoredListEntry(ctl::advanced::TremoloType, st.TremoloType,
                          QStringLiteral("tremolo type"));
}

void Console::selectStoredListEntry(const ControlId& list, int16_t& setting, const QString& what) {
    Control& l = form(ctl::advanced::Window)(list);
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
    ConsoleState& st = state_;
    const ConfigFile::ReadResult r = ConfigFile::read(st.CfgFilePath, st, screenContext());
    switch (r.status) {
    case ConfigFile::ReadResult::Status::Read:
        if (!r.adjusted.isEmpty())
            reportAdjustedSettings(r.adjusted);
        return true;
    case ConfigFile::ReadResult::Status::Missing:
        dialogs().message(QStringLiteral("Midi devices are unassigned : go to Setup !"),
                          st.ProgramTitle, Dialogs::Icon::Exclamation);
        return false;
    case ConfigFile::ReadResult::Status::Damaged:
        reportDamagedConfiguration(r);
        return false;
    }
    return false;
}

void Console::reportDamagedConfiguration(const ConfigFile::ReadResult& r) {
    ConsoleState& st = state_;
    const QString file = QDir::toNativeSeparators(st.CfgFilePath);
    // Moved aside before anything can write the defaults over it.
    QString error;
    const QString kept =
        ConfigFile::keepDamaged(st.CfgFilePath, QDateTime::currentDateTime(), &error);
    QString what;
    if (r.endsEarly) {
        what = QStringLiteral("it ends after line %1, where line %2 should hold %3 (%4).")
                   .arg(r.line - 1)
                   .arg(r.line)
                   .arg(ConfigFile::lineMeaning(r.line), r.expected);
    } else {
        QString found = cp1252::decode(r.found).trimmed();
        if (found.size() > 40)
            found = found.left(40) + QStringLiteral("...");
        what = QStringLiteral("line %1 should hold %2 (%3) but holds \"%4\".")
                   .arg(r.line)
                   .arg(ConfigFile::lineMeaning(r.line), r.expected, found);
    }
    QString text = QStringLiteral("The configuration file %1 is damaged: %2\n\nVorlo2000 starts "
                                  "with its default settings: the MIDI devices are unassigned "
                                  "(go to Setup !) and the fixed memories are cleared.")
                       .arg(file, what);
    if (!kept.isEmpty())
        text += QStringLiteral("\n\nThe damaged file is kept as %1; the settings in it are "
                               "not lost and can be copied back from it.")
                    .arg(QDir::toNativeSeparators(kept));
    else
        text += QStringLiteral("\n\nThe damaged file could not be kept (%1): it will be "
                               "replaced when the configuration is next saved.")
                    .arg(error);
    dialogs().message(text, st.ProgramTitle, Dialogs::Icon::Exclamation);
}

void Console::reportAdjustedSettings(const QStringList& adjusted) {
    constexpr int kShown = 8;
    QString text = QStringLiteral("The configuration file %1 holds values that Vorlo2000 "
                                  "cannot set; they are brought within range:")
                       .arg(QDir::toNativeSeparators(state_.CfgFilePath));
    for (int i = 0; i < std::min<int>(kShown, static_cast<int>(adjusted.size())); ++i)
        text += QStringLiteral("\n") + adjusted[i];
    if (adjusted.size() > kShown)
        text += QStringLiteral("\n... and %1 more.").arg(adjusted.size() - kShown);
    dialogs().message(text, state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

void Console::Salva_dati_di_avvio() {
    ConsoleState& st = state_;
    // The windows' current positions.
    Form& main = mainForm();
    Form& adv = form(ctl::advanced::Window);
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
    Control& item = mainForm()(ctl::main::EnableCFG);
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
    // A table with every entry empty has no organ in it: as unusable as a missing file.
    if (!r.ok || table.isEmpty())
        return false;
    st.Table = table;
    captions_->SCRITTURA_TESTI_DEI_REGISTRI();
    st.copyReinforcementFlags();
    st.ProgramTitle = QStringLiteral("Vorlo2000 V2.0");
    form(ctl::setup::Window)(ctl::setup::LabelNomeprog).setCaption(st.ProgramTitle);
    mainForm().setCaption(st.ProgramTitle);
    st.MidiPortsReady = true;
    st.LearnActive = false;
    st.LearnIndex = 0;
    if (r.isShort())
        dialogs().message(
            QStringLiteral("The stops table file %1 ends early, after %2 bytes: only %3 of its "
                           "%4 entries were read whole, and the entries after them are empty. "
                           "Stops without data make no sound. Load a complete stops table in "
                           "the editor, or reinstall Vorlo2000.")
                .arg(QDir::toNativeSeparators(st.DatFilePath))
                .arg(r.size)
                .arg(r.entriesRead)
                .arg(StopTable::kEntryCount),
            st.ProgramTitle, Dialogs::Icon::Exclamation);
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
