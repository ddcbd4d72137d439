#pragma once

namespace vorlo {

class ConfigurationStore;
class ConsoleState;
class Dialogs;
class Form;
class PanelState;
class StopCaptions;

// Loads the stops table the configuration names, falling back to the default table beside the
// program, and to an empty table when neither can be read.
class StopTableLoader {
public:
    StopTableLoader(ConsoleState& state, PanelState& panel, Dialogs& dialogs,
                    StopCaptions& captions, ConfigurationStore& config);

    void CARICAMENTO_DAT();

private:
    bool loadStopTable();

    ConsoleState& state_;
    Form& main_;
    Form& setup_;
    Dialogs& dialogs_;
    StopCaptions& captions_;
    ConfigurationStore& config_;
};

} // namespace vorlo
