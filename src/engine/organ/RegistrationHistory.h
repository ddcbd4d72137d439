#pragma once

#include "ConsoleListener.h"
#include "Registration.h"

#include <array>
#include <cstddef>
#include <deque>

namespace vorlo {

class ConsoleState;
class ConsoleUpdate;
class RecoveryCopy;
class RunState;

// Undo and redo of the registration: every change of the registration in force (drawstops,
// cancels, couplers, tremulants, recalls, buffer loads, a reset) and of the free memories'
// contents (a store, clearing them, a memory file) is one step. It follows the console as a
// listener: each announcement that may follow such a change compares the console with the last
// step recorded, so the steps are taken in one place whatever road the change came by. The
// levels and balances, which the pedals and sliders move all the time, are neither steps nor
// brought back. At most kDepth steps are kept each way; a new change after an undo drops what
// could be redone.
class RegistrationHistory : public ConsoleListener {
public:
    static constexpr size_t kDepth = 100;

    // listener: told what can be undone and redone, and a restored memory's mark.
    RegistrationHistory(ConsoleState& state, ConsoleUpdate& update, ConsoleListener& listener,
                        RunState& run, RecoveryCopy& recovery);

    // Brings back the registration and free memories before the last change; the module gets
    // what the console update sends for them. Nothing to undo: nothing happens.
    void undo();
    // Does the last undone change again.
    void redo();
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }

    void registrationChanged() override;
    void freeMemoryShown(int i, MemoryLight light) override;

private:
    // The registration in force and the twelve free memories.
    struct Snapshot {
        Registration live;
        std::array<Registration, 12> free;
    };

    Snapshot now() const;
    // Whether two snapshots differ in anything a step records (levels and balances aside).
    static bool differs(const Snapshot& a, const Snapshot& b);
    // Records a step if the console differs from the last one.
    void checkpoint();
    // Puts the snapshot in force, keeping the levels and balances in force, and sends it.
    void restore(const Snapshot& s);
    void showAvailability();

    ConsoleState& state_;
    ConsoleUpdate& update_;
    ConsoleListener& listener_;
    RunState& run_;
    RecoveryCopy& recovery_;
    // The console as of the last step recorded.
    Snapshot current_{};
    std::deque<Snapshot> undo_;
    std::deque<Snapshot> redo_;
    bool restoring_ = false;
};

} // namespace vorlo
