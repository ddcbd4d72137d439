#pragma once

#include "ConfigFile.h"

#include <QStringList>

namespace vorlo {

class ConsoleListener;
class ConsoleState;
class Dialogs;
class ScreenMetrics;
class StartupProblems;
class WindowPlaces;

// The configuration file vorlo2000.CFG: read at start-up, written at the end (when the player
// wants it) and whenever a setting that must survive is changed.
class ConfigurationStore {
public:
    ConfigurationStore(ConsoleState& state, Dialogs& dialogs, ScreenMetrics& screen,
                       WindowPlaces& places, ConsoleListener& events, StartupProblems& problems);

    // Reads the configuration and tells the player what was missing, damaged or out of
    // range (while the start-up gathers its problems, among them: a missing configuration is
    // then the devices' review's to tell); false when the defaults were installed.
    bool LEGGI_FILE_AVVIO();
    // Writes the configuration with the windows' current positions.
    void Salva_dati_di_avvio();
    // Whether the configuration is saved at the end of the program; saved at once.
    void setSaveOnExit(bool on);
    // The menu item: saving at the end turns on unless it is on.
    void toggleSaveOnExit();

private:
    ScreenContext screenContext();
    // The one message about a damaged configuration file: where, what, and where the damaged
    // file is kept.
    void reportDamagedConfiguration(const ConfigFile::ReadResult& r);
    void reportAdjustedSettings(const QStringList& adjusted);
    void tell(const QString& text);

    ConsoleState& state_;
    Dialogs& dialogs_;
    ScreenMetrics& screen_;
    WindowPlaces& places_;
    ConsoleListener& events_;
    StartupProblems& problems_;
};

} // namespace vorlo
