#pragma once

#include "ConfigFile.h"

#include <QStringList>

namespace vorlo {

class ConsoleState;
class Dialogs;
class Form;
class PanelState;
class ScreenMetrics;

// The configuration file vorlo2000.CFG: read at start-up, written at the end (when the player
// wants it) and whenever a setting that must survive is changed.
class ConfigurationStore {
public:
    ConfigurationStore(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                       ScreenMetrics& screen);

    // Reads the configuration and tells the player what was missing, damaged or out of
    // range; false when the defaults were installed.
    bool LEGGI_FILE_AVVIO();
    // Writes the configuration with the windows' current positions.
    void Salva_dati_di_avvio();
    // Menu "Save &Configuration on EXIT".
    void EnableCFG_Click();

private:
    ScreenContext screenContext();
    // The one message about a damaged configuration file: where, what, and where the damaged
    // file is kept.
    void reportDamagedConfiguration(const ConfigFile::ReadResult& r);
    void reportAdjustedSettings(const QStringList& adjusted);

    ConsoleState& state_;
    Form& main_;
    Form& advanced_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
};

} // namespace vorlo
