#pragma once

namespace vorlo {

class ConfigurationStore;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class Form;
class LevelSender;
class PanelLayout;
class PanelState;
class RecoveryCopy;

// Twelve free and twelve fixed combination memories: recall and store, the indicators in
// label or LED form, the memory labels, REC, and the copy of the free bank onto the fixed one.
class Memories {
public:
    Memories(ConsoleState& state, PanelState& panel, Dialogs& dialogs, ConsoleUpdate& update,
             ConfigurationStore& config, LevelSender& levels, RecoveryCopy& recovery,
             PanelLayout& layout);

    // n = 1..24 (1..12 free, 13..24 fixed); any other number means memory 1.
    void Memorie(int n);
    void c_memory_Click(int index);
    void Ledfree_Click(int index);
    void Graduatore_Click(int index);
    void LedFix_Click(int index);
    void Rec_button_Click();
    // Marks the memory last recalled or stored as changed (yellow).
    void Marca_Led_giallo();
    void SPENGO_MEMORIE();
    void Spengo_Graduatore();
    void DisplayLeds_Click();
    void Labelmode_Click();
    void Scrivi_Label_memorie();
    void Scrivi_ToolTips_memorie();
    void SaveFIXED_Click();

private:
    void paintFree(int i, bool lit);
    void paintFixed(int i, bool lit);

    ConsoleState& state_;
    Form& main_;
    Dialogs& dialogs_;
    ConsoleUpdate& update_;
    ConfigurationStore& config_;
    LevelSender& levels_;
    RecoveryCopy& recovery_;
    PanelLayout& layout_;
};

} // namespace vorlo
