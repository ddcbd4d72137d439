#include "StopsTableEditor.h"

#include "ConfigurationStore.h"
#include "ConsoleForms.h"
#include "ConsoleReset.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "Cp1252.h"
#include "DatFile.h"
#include "Dialogs.h"
#include "EditorForm.h"
#include "Form.h"
#include "MainWindowControls.h"
#include "MemoryFile.h"
#include "PanelLayout.h"
#include "PanelState.h"
#include "ScreenMetrics.h"
#include "StopCaptions.h"
#include "StopTableCheck.h"
#include "StopTableLoader.h"
#include "SyxData.h"

#include <QDir>
#include <QFile>
#include <cmath>

namespace vorlo {
namespace {

using namespace editor;

// The window's size, in twips.
constexpr double kWidth = 9600;
constexpr double kHeight = 7005;
// A field shows grey when its entry is longer than this (Fondi) ...
constexpr int kFondiGreyAbove = 25;
// ... or than this (every other field).
constexpr int kGreyAbove = 5;
// A file shorter than this holds no message: its field stays white.
constexpr int kShortestData = 3;

constexpr const ControlArrayId& kFondiField = ctl::editor::TextFondi;
constexpr const ControlArrayId& kMutazField = ctl::editor::TextMutaz;
constexpr const ControlArrayId& kAncieField = ctl::editor::TextAncie;
constexpr const ControlArrayId& kPedaleField = ctl::editor::TextPedale;
constexpr const ControlArrayId& kGlobalField = ctl::editor::TextGlobal;
// TextGlobal 40..51 load entries 410..421.
constexpr int kFixedGlobalOffset = StopTable::kGreatMuteAncie - kGlobalMessages;

QString text(const StopTable& t, int n) {
    return cp1252::decode(t[n]);
}

} // namespace

StopsTableEditor::StopsTableEditor(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                                   ScreenMetrics& screen, ConsoleUpdate& update,
                                   ConsoleReset& reset, ConfigurationStore& config,
                                   StopTableLoader& tableLoader, MemoryFile& memoryFile,
                                   PanelLayout& layout, StopCaptions& captions)
    : state_(state), panel_(panel), main_(panel.form(ctl::main::Window)), dialogs_(dialogs),
      screen_(screen), update_(update), reset_(reset), config_(config), tableLoader_(tableLoader),
      memoryFile_(memoryFile), layout_(layout), captions_(captions) {
    attachHandlers();
}

Form& StopsTableEditor::window() const {
    return panel_.form(ctl::editor::Window);
}

void StopsTableEditor::attachHandlers() {
    Form& f = window();
    main_(ctl::main::LoadEditor).onClick = [this] { LoadEditor_Click(); };

    const struct {
        const ControlArrayId& name;
        int count;
        void (StopsTableEditor::*click)(int);
        void (StopsTableEditor::*dblClick)(int);
    } fields[] = {
        {kFondiField, editor::kFondi, &StopsTableEditor::TextFondi_Click,
         &StopsTableEditor::TextFondi_DblClick},
        {kMutazField, kOthers, &StopsTableEditor::TextMutaz_Click,
         &StopsTableEditor::TextMutaz_DblClick},
        {kAncieField, kOthers, &StopsTableEditor::TextAncie_Click,
         &StopsTableEditor::TextAncie_DblClick},
        {kPedaleField, kOthers, &StopsTableEditor::TextPedale_Click,
         &StopsTableEditor::TextPedale_DblClick},
        {kGlobalField, kGlobals, &StopsTableEditor::TextGlobal_Click,
         &StopsTableEditor::TextGlobal_DblClick},
    };
    for (const auto& field : fields) {
        for (int i = 0; i < field.count; ++i) {
            Control& c = f(field.name, i);
            c.onClick = [this, i, click = field.click] { (this->*click)(i); };
            c.onDblClick = [this, i, dbl = field.dblClick] { (this->*dbl)(i); };
            // Every name edit is written by the next save: the exit question must know of it.
            c.onChange = [this] { markModified(); };
        }
    }
    for (int i = 0; i < 4; ++i)
        f(ctl::editor::Text_NomiCorpi, i).onChange = [this] { markModified(); };
    for (int i = 0; i < kReinforcements; ++i)
        f(ctl::editor::Rinforzabile, i).onClick = [this, i] { Rinforzabile_Click(i); };
    f(ctl::editor::CommandName).onClick = [this] { CommandName_Click(); };
    f(ctl::editor::LoadDAT).onClick = [this] { LoadDAT_Click(); };
    f(ctl::editor::SaveDAT).onClick = [this] { SaveDAT_Click(); };
    f(ctl::editor::Enable).onClick = [this] { Enable_Click(); };
    f(ctl::editor::Uscita_abort).onClick = [this] { Uscita_abort_Click(); };
    f(ctl::editor::Slidersize).onScroll = [this] { Slidersize_Scroll(); };
    f(ctl::editor::Redraw).onClick = [this] { Redraw_Click(); };
    // The close box asks the exit questions too: unsaved work is never dropped unasked.
    f.onQueryUnload = [this] { return !Uscita_abort_Click(); };
}

void StopsTableEditor::resetState() {
    CurrentEntry = 0;
    TableModified = false;
    TableNotEnabled = false;
    Refreshing = false;
    SyxLoaded = false;
    SyxFileLength = 0;
    SyxFilePath.clear();
    SyxFileName.clear();
    SwellCopy.clear();
}

// ---------------------------------------------------------------------------------------------
// Opening

void StopsTableEditor::LoadEditor_Click() {
    Form& f = window();
    if (!f.isLoaded()) {
        resetState();
        f.setLoaded(true);
        Form_Load();
    }
    f.bringToFront();
}

void StopsTableEditor::Form_Load() {
    ConsoleState& st = state_;
    Form& f = window();

    f.setPicture(st.appFile(QStringLiteral("lookout.ico")));
    f.setCaption(QStringLiteral("Editor ") + st.ProgramTitle);
    for (int i = 0; i < 4; ++i)
        f(ctl::editor::LabelNomeprog, i).setCaption(st.ProgramTitle);

    const ScreenMetrics& screen = screen_;
    f.setGeometry(std::max(0.0, (screen.screenWidthTwips() - kWidth) / 2),
                  std::max(0.0, (screen.screenHeightTwips() - kHeight) / 2), kWidth, kHeight);

    Refreshing = false;
    CurrentEntry = 0;
    f(ctl::editor::Syx_index).setCaption(QStringLiteral("0"));

    for (int i = 0; i < editor::kFondi; ++i)
        f(kFondiField, i)
            .setToolTip(QStringLiteral("Double Click to load Fondi sysex file on field ") +
                        QString::number(i));

    EditorDatPath = st.DatFilePath;
    if (!Load_DAT()) {
        // The console's own table is shown, whatever file it came from.
        REFRESH_GRAFICA_FONDI();
        REFRESH_GRAFICA_MUTAZIONI_RIPIENI();
        REFRESH_GRAFICA_ANCIE_PEDALE();
        REFRESH_GRAFICA_GLOBAL();
    }
    TableModified = false;
    TableNotEnabled = false;
    fileLabel(color::White, st.DatFilePath);

    f(ctl::editor::CommandName)
        .setCaption(st.LoadSyxName ? QStringLiteral("Loading Syx File Name ENABLED")
                                   : QStringLiteral("Loading Syx File Name DISABLED"));

    const double scale = std::isfinite(st.PanelScale) ? st.PanelScale : 1.0;
    f(ctl::editor::Slidersize).setValue(static_cast<int>(std::floor(scale * 10 + 1e-9)));
    Slidersize_Scroll();

    f(ctl::editor::Resize_frame).setVisible(standardPanelShown());
}

// ---------------------------------------------------------------------------------------------
// Filling the fields from the table

void StopsTableEditor::colourField(Control& field, const QByteArray& data, int greyAbove) {
    if (data.size() >= kShortestData && !SyxData::isMessageSequence(data))
        field.setBackColor(color::NotSendable);
    else
        field.setBackColor(data.size() > greyAbove ? color::LightGrey : color::White);
    field.setForeColor(color::rgb(0, 0, 0));
}

void StopsTableEditor::REFRESH_GRAFICA_FONDI() {
    ConsoleState& st = state_;
    Form& f = window();
    for (int i = 0; i < editor::kFondi; ++i) {
        Control& field = f(kFondiField, i);
        field.setCaption(text(st.Table, StopTable::kFondiNames + i));
        colourField(field, st.Table[StopTable::kFondiGreat + i], kFondiGreyAbove);
    }
    st.copyReinforcementFlags();
    // Ticking the boxes from the table runs their click handler; it must not count as an edit.
    Refreshing = true;
    for (int i = 0; i < editor::kFondi; ++i)
        f(ctl::editor::Rinforzabile, i).setCheckValue(st.ReinforceFondi[i] == "1" ? 1 : 0);
    for (int i = 0; i < kOthers; ++i)
        f(ctl::editor::Rinforzabile, editor::kFondi + i)
            .setCheckValue(st.ReinforceAncie[i] == "1" ? 1 : 0);
    Refreshing = false;
}

void StopsTableEditor::REFRESH_GRAFICA_MUTAZIONI_RIPIENI() {
    const StopTable& t = state_.Table;
    Form& f = window();
    for (int i = 0; i < kOthers; ++i) {
        Control& field = f(kMutazField, i);
        field.setCaption(text(t, StopTable::kMutazioniNames + i));
        colourField(field, t[StopTable::kMutazioniGreat + i], kGreyAbove);
    }
}

void StopsTableEditor::REFRESH_GRAFICA_ANCIE_PEDALE() {
    const StopTable& t = state_.Table;
    Form& f = window();
    for (int i = 0; i < kOthers; ++i) {
        Control& ancia = f(kAncieField, i);
        ancia.setCaption(text(t, StopTable::kAncieNames + i));
        colourField(ancia, t[StopTable::kAncieGreat + i], kGreyAbove);
        Control& pedale = f(kPedaleField, i);
        pedale.setCaption(text(t, StopTable::kPedaleNames + i));
        colourField(pedale, t[StopTable::kPedale + i], kGreyAbove);
    }
}

void StopsTableEditor::REFRESH_GRAFICA_GLOBAL() {
    const StopTable& t = state_.Table;
    Form& f = window();
    for (int i = 0; i < 4; ++i)
        f(ctl::editor::Text_NomiCorpi, i).setCaption(text(t, StopTable::kGroupNames + i));
    for (int i = 0; i < kGlobalMessages; ++i) {
        Control& field = f(kGlobalField, i);
        field.setCaption(text(t, StopTable::kGlobalTexts + i));
        colourField(field, t[i], kGreyAbove);
    }
    // The mute and restore fields keep their fixed texts.
    for (int i = kGlobalMessages; i < kGlobals; ++i)
        colourField(f(kGlobalField, i), t[i + kFixedGlobalOffset], kGreyAbove);
}

// ---------------------------------------------------------------------------------------------
// Fields

StopsTableEditor::FieldEntry StopsTableEditor::entryOf(const ControlArrayId& field, int index) {
    if (&field == &kFondiField)
        return {StopTable::kFondiGreat + index, StopTable::kFondiSwell + index};
    if (&field == &kMutazField)
        return {StopTable::kMutazioniGreat + index, StopTable::kMutazioniSwell + index};
    if (&field == &kAncieField)
        return {StopTable::kAncieGreat + index, StopTable::kAncieSwell + index};
    if (&field == &kPedaleField)
        return {StopTable::kPedale + index, -1};
    return {index < kGlobalMessages ? index : index + kFixedGlobalOffset, -1};
}

void StopsTableEditor::showEntry() {
    Form& f = window();
    f(ctl::editor::Syx_index).setCaption(QString::number(CurrentEntry));
    f(ctl::editor::Syx_lenght)
        .setCaption(QString::number(state_.Table[CurrentEntry].size()) + QStringLiteral(" Bytes"));
}

void StopsTableEditor::selectField(const ControlArrayId& field, int index) {
    CurrentEntry = static_cast<int16_t>(entryOf(field, index).entry);
    showEntry();
}

void StopsTableEditor::TextFondi_Click(int index) {
    selectField(kFondiField, index);
}
void StopsTableEditor::TextMutaz_Click(int index) {
    selectField(kMutazField, index);
}
void StopsTableEditor::TextAncie_Click(int index) {
    selectField(kAncieField, index);
}
void StopsTableEditor::TextPedale_Click(int index) {
    selectField(kPedaleField, index);
}
void StopsTableEditor::TextGlobal_Click(int index) {
    selectField(kGlobalField, index);
}

void StopsTableEditor::TextFondi_DblClick(int index) {
    loadSyxInto(kFondiField, index);
}
void StopsTableEditor::TextMutaz_DblClick(int index) {
    loadSyxInto(kMutazField, index);
}
void StopsTableEditor::TextAncie_DblClick(int index) {
    loadSyxInto(kAncieField, index);
}
void StopsTableEditor::TextPedale_DblClick(int index) {
    loadSyxInto(kPedaleField, index);
}
void StopsTableEditor::TextGlobal_DblClick(int index) {
    loadSyxInto(kGlobalField, index);
}

void StopsTableEditor::loadSyxInto(const ControlArrayId& name, int index) {
    const FieldEntry e = entryOf(name, index);
    CurrentEntry = static_cast<int16_t>(e.entry);
    Caricamento_sysex_binary();
    if (SyxLoaded) {
        Control& field = window()(name, index);
        const bool fixedText = &name == &kGlobalField && index >= kGlobalMessages;
        if (state_.LoadSyxName && !fixedText) {
            Estrae_nome_syx();
            field.setCaption(SyxFileName);
        }
        const QByteArray& data = state_.Table[CurrentEntry];
        if (SyxFileLength < kShortestData)
            field.setBackColor(color::White);
        else if (!SyxData::isMessageSequence(data))
            field.setBackColor(color::NotSendable);
        else
            field.setBackColor(color::Yellow);
        if (e.swell >= 0) {
            Conversione_sysex_SW();
            state_.Table.set(e.swell, SwellCopy);
        }
    }
    showEntry();
}

void StopsTableEditor::Rinforzabile_Click(int index) {
    if (Refreshing)
        return;
    ConsoleState& st = state_;
    const QByteArray flag = window()(ctl::editor::Rinforzabile, index).value() != 0
                                ? QByteArrayLiteral("1")
                                : QByteArrayLiteral("0");
    if (index < editor::kFondi)
        st.ReinforceFondi[static_cast<size_t>(index)] = flag;
    else if (index < kReinforcements)
        st.ReinforceAncie[static_cast<size_t>(index - editor::kFondi)] = flag;
    markModified();
}

void StopsTableEditor::CommandName_Click() {
    ConsoleState& st = state_;
    st.LoadSyxName = !st.LoadSyxName;
    window()(ctl::editor::CommandName)
        .setCaption(st.LoadSyxName ? QStringLiteral("Loading Syx File Name ENABLED")
                                   : QStringLiteral("Loading Syx File Name DISABLED"));
}

// ---------------------------------------------------------------------------------------------
// .syx files

void StopsTableEditor::Caricamento_sysex_binary() {
    ConsoleState& st = state_;
    Form& f = window();
    SyxLoaded = false;
    QString chosen;
    if (memoryFile_.Dialogo_Apri(QStringLiteral("Caricamento sysex "), QStringLiteral(".syx"),
                                 chosen) != 0)
        return;
    SyxFilePath = chosen;
    const QString shown = QDir::toNativeSeparators(chosen);

    // The whole file is read before the entry changes: a file that cannot be read, or is too
    // long for an entry, leaves the entry's old data in place.
    QFile file(chosen);
    if (!file.open(QIODevice::ReadOnly)) {
        tell(QStringLiteral("The sysex file %1 cannot be opened (%2). Entry %3 keeps its data.")
                 .arg(shown, file.errorString())
                 .arg(CurrentEntry));
        return;
    }
    if (file.size() > SyxData::kMaxFileBytes) {
        tell(QStringLiteral("The sysex file %1 is %2 bytes long: a stop's sysex file can hold at "
                            "most %3 bytes. Entry %4 keeps its data.")
                 .arg(shown)
                 .arg(file.size())
                 .arg(SyxData::kMaxFileBytes)
                 .arg(CurrentEntry));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.size() != file.size()) {
        tell(QStringLiteral("The sysex file %1 could not be read (%2). Entry %3 keeps its data.")
                 .arg(shown, file.errorString())
                 .arg(CurrentEntry));
        return;
    }
    file.close();
    // A file without one whole message would leave the stop silent (and its Swell copy empty).
    if (!SyxData::holdsMessage(bytes)) {
        tell(QStringLiteral("The sysex file %1 (%2 bytes) holds no complete F0..F7 message. "
                            "Entry %3 keeps its data.")
                 .arg(shown)
                 .arg(bytes.size())
                 .arg(CurrentEntry));
        return;
    }

    st.Table.set(CurrentEntry, bytes);
    SyxFileLength = static_cast<int32_t>(bytes.size());
    f(ctl::editor::Syx_lenght)
        .setCaption(QString::number(SyxFileLength) + QStringLiteral(" Bytes"));
    f(ctl::editor::Syx_index).setCaption(QString::number(CurrentEntry));
    SyxLoaded = true;
    markModified();
}

void StopsTableEditor::Conversione_sysex_SW() {
    const SyxData::SwellConversion r = SyxData::toSwell(state_.Table[CurrentEntry]);
    SwellCopy = r.copy;
    if (r.complete())
        return;
    QStringList parts;
    if (r.shortMessages > 0)
        parts << QStringLiteral("%1 message(s) too short to hold an address").arg(r.shortMessages);
    if (r.tailBytes > 0)
        parts << QStringLiteral("%1 byte(s) after the last F7 that form no complete message")
                     .arg(r.tailBytes);
    tell(QStringLiteral("The Swell copy of entry %1 leaves out %2. The Great entry keeps every "
                        "byte of the file.")
             .arg(CurrentEntry)
             .arg(parts.join(QStringLiteral(" and "))));
}

void StopsTableEditor::Estrae_nome_syx() {
    const QString name = MemoryFile::Estrae_nome(SyxFilePath);
    SyxFileName = name.left(std::max<qsizetype>(0, name.size() - 4));
}

// ---------------------------------------------------------------------------------------------
// .dat files

bool StopsTableEditor::Load_DAT() {
    ConsoleState& st = state_;
    StopTable table;
    const DatFile::ReadResult r = DatFile::read(EditorDatPath, table);
    if (!r.ok) {
        tell(QStringLiteral("The stops table %1 could not be read (%2). The editor keeps the table "
                            "it has.")
                 .arg(QDir::toNativeSeparators(EditorDatPath), r.error));
        return false;
    }
    // The editor's table is the console's: judged as the console's loader judges a table.
    const StopTableCheck check(table, r.entriesRead);
    if (!check.isUsable()) {
        tell(QStringLiteral("The stops table %1 holds no stop or global message as complete "
                            "F0..F7 data (%2 of its %3 entries were read): the console could not "
                            "play it. It was not loaded; the console and the editor keep the "
                            "table they have.")
                 .arg(QDir::toNativeSeparators(EditorDatPath))
                 .arg(check.entriesRead())
                 .arg(StopTable::kEntryCount));
        return false;
    }
    if (!check.isWhole() &&
        !ask(QStringLiteral("The stops table %1 is damaged. %2 It replaces the console's table at "
                            "once. Load it anyway?")
                 .arg(QDir::toNativeSeparators(EditorDatPath), check.flaws())))
        return false;
    st.Table = table;
    REFRESH_GRAFICA_FONDI();
    REFRESH_GRAFICA_MUTAZIONI_RIPIENI();
    REFRESH_GRAFICA_ANCIE_PEDALE();
    REFRESH_GRAFICA_GLOBAL();
    return true;
}

bool StopsTableEditor::SCRITTURA_DAT() {
    ConsoleState& st = state_;
    Form& f = window();
    StopTable& t = st.Table;
    auto store = [&](int entry, const ControlArrayId& field, int index) {
        t.set(entry, cp1252::encode(f(field, index).text()));
    };
    for (int i = 0; i < editor::kFondi; ++i)
        store(StopTable::kFondiNames + i, kFondiField, i);
    for (int i = 0; i < kOthers; ++i) {
        store(StopTable::kMutazioniNames + i, kMutazField, i);
        store(StopTable::kAncieNames + i, kAncieField, i);
        store(StopTable::kPedaleNames + i, kPedaleField, i);
    }
    for (int i = 0; i < kGlobalMessages; ++i)
        store(StopTable::kGlobalTexts + i, kGlobalField, i);
    for (int i = 0; i < editor::kFondi; ++i)
        t.set(StopTable::kReinforceFondi + i, st.ReinforceFondi[static_cast<size_t>(i)]);
    for (int i = 0; i < kOthers; ++i)
        t.set(StopTable::kReinforceAncie + i, st.ReinforceAncie[static_cast<size_t>(i)]);
    for (int i = 0; i < 4; ++i)
        store(StopTable::kGroupNames + i, ctl::editor::Text_NomiCorpi, i);

    QString error;
    if (DatFile::write(EditorDatPath, t, &error))
        return true;
    tell(QStringLiteral("The stops table %1 could not be written (%2). Nothing was saved; any "
                        "earlier file of that name is unchanged.")
             .arg(QDir::toNativeSeparators(EditorDatPath), error));
    return false;
}

void StopsTableEditor::LoadDAT_Click() {
    QString question;
    if (TableModified && TableNotEnabled)
        question = QStringLiteral("Stops Table is modified but Unsaved and Unloaded in vorlo2000. "
                                  "Load new Table anyway?");
    else if (TableModified)
        question =
            QStringLiteral(" Warning! Stops Table is modified but Unsaved. Load new Table Anyway?");
    else if (TableNotEnabled)
        question = QStringLiteral(
            " Warning! Current Stops Table is Unloaded in vorlo2000. Load new Table Anyway?");
    if (!question.isEmpty() && !ask(question))
        return;

    QString chosen;
    if (memoryFile_.Dialogo_Apri(QStringLiteral("vorlo2000 Stops Table file: Loading DAT File "),
                                 QStringLiteral(".dat"), chosen) != 0)
        return;
    const QString previous = EditorDatPath;
    EditorDatPath = chosen;
    if (!Load_DAT()) {
        EditorDatPath = previous;
        return;
    }
    fileLabel(color::Yellow, QStringLiteral("Stops table loaded from:") + EditorDatPath);
    TableNotEnabled = true;
    TableModified = false;
}

void StopsTableEditor::SaveDAT_Click() {
    QString chosen;
    if (memoryFile_.Dialogo_Salva(QStringLiteral("SAVE CURRENT STOPS TABLE ON *.DAT FILE"),
                                  QStringLiteral(".dat"), chosen) != 0)
        return;
    const QString previous = EditorDatPath;
    EditorDatPath = chosen;
    if (!SCRITTURA_DAT()) {
        EditorDatPath = previous;
        return;
    }
    fileLabel(color::White, QStringLiteral("Stops table saved on: ") + EditorDatPath);
    TableModified = false;
}

void StopsTableEditor::Enable_Click() {
    ConsoleState& st = state_;
    const QString question =
        TableModified ? QStringLiteral("Warning : ") + EditorDatPath +
                            QStringLiteral(" will be overwritten with current data : proceed "
                                           "anyway?")
                      : QStringLiteral("Warning : VORLO 2000 will be loaded with current dat "
                                       "file : proceed anyway?");
    if (!ask(question))
        return;
    // The console's loader would refuse a table with nothing playable in it: such a table is
    // neither written nor enabled.
    if (!StopTableCheck(st.Table).isUsable()) {
        tell(QStringLiteral("The stops table in the editor holds no stop or global message as "
                            "complete F0..F7 data: the console could not play it. It was not "
                            "enabled and not saved; the console keeps %1.")
                 .arg(QDir::toNativeSeparators(st.DatFilePath)));
        return;
    }
    // The table must be on disk before the console takes that file: a failed write enables
    // nothing and leaves the flags as they were.
    if (!SCRITTURA_DAT())
        return;
    TableModified = false;
    if (!tableLoader_.enableTable(EditorDatPath)) {
        fileLabel(color::Yellow, QStringLiteral("Stops table saved on: ") + EditorDatPath);
        tell(QStringLiteral("The stops table was saved on %1, but the console could not load it "
                            "back: it was not enabled, and the console keeps %2.")
                 .arg(QDir::toNativeSeparators(EditorDatPath),
                      QDir::toNativeSeparators(st.DatFilePath)));
        return;
    }
    TableNotEnabled = false;
    fileLabel(color::White,
              QStringLiteral("Stops Table is Enabled and Saved on: ") + st.DatFilePath);

    config_.Salva_dati_di_avvio();
    drawShownPanel();
    captions_.CARICAMENTO_LIST_BOXES();
    reset_.RESET_vorlo2000();
    // The graphic panel turns the file-name option back on; the button tells.
    window()(ctl::editor::CommandName)
        .setCaption(st.LoadSyxName ? QStringLiteral("Loading Syx File Name ENABLED")
                                   : QStringLiteral("Loading Syx File Name DISABLED"));
}

bool StopsTableEditor::Uscita_abort_Click() {
    QString question;
    if (TableModified && TableNotEnabled)
        question = QStringLiteral(" Warning! Stops Table is modified but Unsaved and Unloaded in "
                                  "vorlo2000. Exit Anyway?");
    else if (TableNotEnabled)
        question =
            QStringLiteral(" Warning! Current Stops Table is Unloaded in vorlo2000. Exit Anyway?");
    else if (TableModified)
        question = QStringLiteral(" Warning! Stops Table is Modified but Unsaved. Exit Anyway?");
    if (!question.isEmpty() && !ask(question))
        return false;
    Form& f = window();
    f.setVisible(false);
    f.setLoaded(false);
    return true;
}

// ---------------------------------------------------------------------------------------------
// Panel size

void StopsTableEditor::Slidersize_Scroll() {
    const int value = window()(ctl::editor::Slidersize).value();
    state_.PanelScale = value / 10.0;
    window()(ctl::editor::LabelSize).setCaption(QString::number(value * 10) + QStringLiteral(" %"));
}

void StopsTableEditor::Redraw_Click() {
    // The size applies to the standard panel only (the button is hidden on the graphic one).
    if (!standardPanelShown())
        return;
    ConsoleState& st = state_;
    Form& main = main_;
    drawShownPanel();

    Registration& live = st.live();
    for (int16_t* a : {&live.MemFO_GO, &live.MemFO_SW, &live.MemMU_GO, &live.MemMU_SW,
                       &live.MemAN_GO, &live.MemAN_SW, &live.MemPED, &live.MemTremGO,
                       &live.MemTremSW, &live.MemUnPedale, &live.MemUnManuali, &live.MemSubottava})
        *a = 0;
    for (int family = 0; family < 3; ++family) {
        st.live().MemAnnullGO[static_cast<size_t>(family)] = 1;
        st.live().MemAnnullSW[static_cast<size_t>(family)] = 1;
    }

    for (const ControlArrayId& id :
         {ctl::main::NomeFondi, ctl::main::NomeMutaz, ctl::main::NomeAnce})
        main(id, 0).setBackColor(color::Lit);
    for (const ControlArrayId& id :
         {ctl::main::Tir_FO_GO, ctl::main::Tir_MU_GO, ctl::main::Tir_AN_GO})
        main(id, 0).setCaption(st.GreatTitle);
    for (const ControlArrayId& id :
         {ctl::main::Tir_FO_SW, ctl::main::Tir_MU_SW, ctl::main::Tir_AN_SW})
        main(id, 0).setCaption(st.SwellTitle);

    update_.AGGIORNAMENTO_VORLO();
}

// ---------------------------------------------------------------------------------------------

bool StopsTableEditor::standardPanelShown() const {
    return main_(ctl::main::Panel_nograph, 0).isVisible();
}

void StopsTableEditor::drawShownPanel() {
    // The Graphic-mode menu sets GraphicMode for the next start; the panel on screen keeps the
    // mode the program started in, and the layout places the controls by GraphicMode.
    ConsoleState& st = state_;
    const bool nextStart = st.GraphicMode;
    st.GraphicMode = !standardPanelShown();
    if (st.GraphicMode)
        layout_.LOAD_GRAPHIC_INTERFACE();
    else
        layout_.LOAD_NORMAL_INTERFACE();
    st.GraphicMode = nextStart;
    main_(ctl::main::Graphmode).setChecked(nextStart);
}

void StopsTableEditor::markModified() {
    TableModified = true;
    fileLabel(color::Yellow, QStringLiteral("Warning: configuration is modified and UNSAVED!"));
}

void StopsTableEditor::fileLabel(uint32_t colour, const QString& caption) {
    Control& label = window()(ctl::editor::File_label);
    label.setBackColor(colour);
    label.setCaption(caption);
}

bool StopsTableEditor::ask(const QString& question) {
    return dialogs_.askYesNo(question, QStringLiteral("Warning"));
}

void StopsTableEditor::tell(const QString& text) {
    dialogs_.message(text, state_.ProgramTitle, Dialogs::Icon::Exclamation);
}

} // namespace vorlo
