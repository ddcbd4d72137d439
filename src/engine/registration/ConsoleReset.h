#pragma once

#include <cstdint>

class QString;

namespace vorlo {

class ConsoleState;
struct ControlId;
class ConsoleUpdate;
class Dialogs;
class Form;
class Memories;
class PanelLayout;
class PanelState;
class ProgramLifecycle;
class SysexSender;
class WaitTimer;

// The console's reset: the module's reset entries, every slot back to its start, the panel
// repainted and the whole registration sent again.
class ConsoleReset {
public:
    ConsoleReset(ConsoleState& state, PanelState& panel, Dialogs& dialogs, WaitTimer& waiter,
                 SysexSender& sysex, Memories& memories, PanelLayout& layout, ConsoleUpdate& update,
                 ProgramLifecycle& lifecycle);

    void RESET_Click();
    void RESET_vorlo2000();
    // The graphic panel's knobs at the positions a slot holds show their "off" picture.
    void showKnobsOff(int slot);
    // The Advanced window's four lists show the stored temperament, reverb, start note and
    // tremolo type.
    void selectStoredLists();
    // After the MIDI set-up: lists, memory captions and a reset on the new ports.
    void Fine_Setup();

private:
    // Selects a stored index in one of the Advanced window's lists (running its handler when
    // the selection changes); an index the list cannot take is reported and the first entry
    // is used instead.
    void selectStoredListEntry(const ControlId& list, int16_t& setting, const QString& what);

    ConsoleState& state_;
    Form& main_;
    Form& advanced_;
    Dialogs& dialogs_;
    WaitTimer& waiter_;
    SysexSender& sysex_;
    Memories& memories_;
    PanelLayout& layout_;
    ConsoleUpdate& update_;
    ProgramLifecycle& lifecycle_;
};

} // namespace vorlo
