#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace vorlo {

struct ControlArrayId;
class ConfigurationStore;
class ConsoleReset;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class Form;
class MemoryFile;
class PanelLayout;
class PanelState;
class ScreenMetrics;
class StopCaptions;
class StopTableLoader;
class Control;

// The stops table editor window "compilatore": it names the stops and groups, loads each
// stop's and global message's .syx file into the console's own stops table (deriving the Swell
// copy), sets the reinforcement flags and the standard panel's size, and saves the table to a
// .dat file or makes that file the console's table. The console keeps playing meanwhile and
// sends what the editor puts in the table from the next change on.
class StopsTableEditor {
public:
    StopsTableEditor(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                     ScreenMetrics& screen, ConsoleUpdate& update, ConsoleReset& reset,
                     ConfigurationStore& config, StopTableLoader& tableLoader,
                     MemoryFile& memoryFile, PanelLayout& layout, StopCaptions& captions);

    Form& window() const;

    // Main window menu "E&ditor": loads the window and shows it modeless.
    void LoadEditor_Click();

    void Form_Load();
    void REFRESH_GRAFICA_FONDI();
    void REFRESH_GRAFICA_MUTAZIONI_RIPIENI();
    void REFRESH_GRAFICA_ANCIE_PEDALE();
    void REFRESH_GRAFICA_GLOBAL();

    void TextFondi_Click(int index);
    void TextMutaz_Click(int index);
    void TextAncie_Click(int index);
    void TextPedale_Click(int index);
    void TextGlobal_Click(int index);
    void TextFondi_DblClick(int index);
    void TextMutaz_DblClick(int index);
    void TextAncie_DblClick(int index);
    void TextPedale_DblClick(int index);
    void TextGlobal_DblClick(int index);
    void Rinforzabile_Click(int index);
    void CommandName_Click();

    void Caricamento_sysex_binary();
    void Conversione_sysex_SW();
    void Estrae_nome_syx();

    // False when the file could not be read, holds nothing playable, or is damaged and the
    // player chose not to take it: the table and the fields stay as they were.
    bool Load_DAT();
    // False when the file could not be written (the player is told; the table in memory holds
    // the fields all the same).
    bool SCRITTURA_DAT();
    void LoadDAT_Click();
    void SaveDAT_Click();
    void Enable_Click();
    // Returns false when the player chose to keep the window open.
    bool Uscita_abort_Click();
    void Slidersize_Scroll();
    void Redraw_Click();

    // Window state (cleared when the window is loaded).
    int16_t CurrentEntry = 0;
    bool TableModified = false;
    bool TableNotEnabled = false;
    bool Refreshing = false;
    bool SyxLoaded = false;
    int32_t SyxFileLength = 0;
    QString SyxFilePath;
    QString SyxFileName;
    QByteArray SwellCopy;
    // The table the editor loads and saves.
    QString EditorDatPath;

private:
    // Stops-table entry of a field; its Swell copy's entry, or -1 where none is kept.
    struct FieldEntry {
        int entry;
        int swell;
    };
    static FieldEntry entryOf(const ControlArrayId& field, int index);
    void selectField(const ControlArrayId& field, int index);
    void loadSyxInto(const ControlArrayId& field, int index);
    void showEntry();
    // Background of a field whose entry holds data of the given length; grey above greyAbove.
    void colourField(Control& field, const QByteArray& data, int greyAbove);
    void fileLabel(uint32_t colour, const QString& caption);
    // Sets TableModified and shows it on the file label.
    void markModified();
    // True when the main window shows the standard panel (whatever the next start will show).
    bool standardPanelShown() const;
    // Lays the main window's panel out again: the panel shown, not the next start's.
    void drawShownPanel();
    bool ask(const QString& question);
    void tell(const QString& text);
    void attachHandlers();
    void resetState();

    ConsoleState& state_;
    PanelState& panel_;
    Form& main_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
    ConsoleUpdate& update_;
    ConsoleReset& reset_;
    ConfigurationStore& config_;
    StopTableLoader& tableLoader_;
    MemoryFile& memoryFile_;
    PanelLayout& layout_;
    StopCaptions& captions_;
};

} // namespace vorlo
