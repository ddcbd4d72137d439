#pragma once

#include <QString>

namespace vorlo {

class ConfigurationStore;
class ConsoleListener;
class ConsoleState;
class Dialogs;

// Loads the stops table the configuration names, falling back to the default table beside the
// program, and to an empty table when neither can be read. Announces each table that comes in
// force.
class StopTableLoader {
public:
    StopTableLoader(ConsoleState& state, Dialogs& dialogs, ConsoleListener& events,
                    ConfigurationStore& config);

    void CARICAMENTO_DAT();
    // Makes the table in path the console's, as the start-up loads it but without falling back
    // to the default table: false, with the console's table and DatFilePath as they were, when
    // the file cannot be read or holds nothing playable. The caller tells the player.
    bool enableTable(const QString& path);

private:
    bool loadStopTable(const QString& path);

    ConsoleState& state_;
    Dialogs& dialogs_;
    ConsoleListener& events_;
    ConfigurationStore& config_;
};

} // namespace vorlo
