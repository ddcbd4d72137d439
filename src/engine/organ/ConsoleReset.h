#pragma once

#include <QStringList>
#include <cstdint>

namespace vorlo {

class ConsoleListener;
class ConsoleState;
class ConsoleUpdate;
class Dialogs;
class Memories;
class ProgramLifecycle;
class OrganSettings;
class SysexSender;
class WaitTimer;

// The console's reset: the module's reset entries, every slot back to its start, the stored
// settings shown (and sent where their selection changes) and the whole registration sent
// again. Announces its visible steps.
class ConsoleReset {
public:
    ConsoleReset(ConsoleState& state, Dialogs& dialogs, WaitTimer& waiter, SysexSender& sysex,
                 Memories& memories, ConsoleListener& events, ConsoleUpdate& update,
                 ProgramLifecycle& lifecycle, OrganSettings& settings);

    void RESET_vorlo2000();
    // The panel's RESET button.
    void RESET_Click() { RESET_vorlo2000(); }
    // The stored temperament, reverb, start note and tremolo type are checked against the
    // lists and announced with the Advanced window's other values.
    void selectStoredLists();
    // After the MIDI set-up: lists, memory captions and a reset on the new ports.
    void Fine_Setup();
    // The module came back after it was gone: it gets the reset entries and then everything
    // the console holds, as after a reset, while the registration and the settings stay as
    // the panel shows them.
    void restoreModule();

private:
    // The module's reset entries, with their pauses, and the reverb in use.
    void sendModuleReset();
    // A stored index the list cannot take is reported and the first entry is used instead; a
    // list without entries takes nothing.
    void checkStoredIndex(const QStringList& list, int16_t& setting, const QString& what);

    ConsoleState& state_;
    Dialogs& dialogs_;
    WaitTimer& waiter_;
    SysexSender& sysex_;
    Memories& memories_;
    ConsoleListener& events_;
    ConsoleUpdate& update_;
    ProgramLifecycle& lifecycle_;
    OrganSettings& settings_;
};

} // namespace vorlo
