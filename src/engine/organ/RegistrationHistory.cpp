#include "RegistrationHistory.h"

#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "RecoveryCopy.h"
#include "ReentryGuard.h"
#include "RunState.h"

namespace vorlo {
namespace {

// What the pedals and the Advanced window's sliders move: kept as they are by an undo.
constexpr SlotField kLevelsAndBalances[] = {
    SlotField::MemExprGO,   SlotField::MemExprSW,   SlotField::MemExprPE,
    SlotField::MemBalFO_GO, SlotField::MemBalMU_GO, SlotField::MemBalAN_GO,
    SlotField::MemBalFO_SW, SlotField::MemBalMU_SW, SlotField::MemBalAN_SW};

// The registration with its levels and balances taken from another one.
Registration withLevelsOf(Registration r, const Registration& levels) {
    for (SlotField f : kLevelsAndBalances)
        r[f] = levels[f];
    return r;
}

} // namespace

RegistrationHistory::RegistrationHistory(ConsoleState& state, ConsoleUpdate& update,
                                         ConsoleListener& listener, RunState& run,
                                         RecoveryCopy& recovery)
    : state_(state), update_(update), listener_(listener), run_(run), recovery_(recovery) {}

RegistrationHistory::Snapshot RegistrationHistory::now() const {
    Snapshot s;
    s.live = state_.live();
    for (int i = kFirstFree; i <= kLastFree; ++i)
        s.free[static_cast<size_t>(i - kFirstFree)] = state_.slot(i);
    return s;
}

bool RegistrationHistory::differs(const Snapshot& a, const Snapshot& b) {
    return a.free != b.free || withLevelsOf(a.live, b.live) != b.live;
}

void RegistrationHistory::registrationChanged() {
    checkpoint();
}

void RegistrationHistory::freeMemoryShown(int, MemoryLight) {
    checkpoint();
}

void RegistrationHistory::checkpoint() {
    const Snapshot s = now();
    // The start-up's registration is where the history begins; a restore records no step.
    if (!run_.isStarted() || restoring_) {
        current_ = s;
        return;
    }
    if (!differs(s, current_)) {
        current_.live = s.live; // the levels and balances as they are now
        return;
    }
    undo_.push_back(current_);
    if (undo_.size() > kDepth)
        undo_.pop_front();
    redo_.clear();
    current_ = s;
    showAvailability();
}

void RegistrationHistory::undo() {
    if (undo_.empty() || restoring_)
        return;
    const Snapshot target = undo_.back();
    undo_.pop_back();
    redo_.push_back(now());
    if (redo_.size() > kDepth)
        redo_.pop_front();
    restore(target);
}

void RegistrationHistory::redo() {
    if (redo_.empty() || restoring_)
        return;
    const Snapshot target = redo_.back();
    redo_.pop_back();
    undo_.push_back(now());
    if (undo_.size() > kDepth)
        undo_.pop_front();
    restore(target);
}

void RegistrationHistory::restore(const Snapshot& s) {
    ConsoleState& st = state_;
    {
        const ReentryGuard restoring(restoring_);
        bool memoriesChanged = false;
        for (int i = kFirstFree; i <= kLastFree; ++i) {
            const Registration& old = s.free[static_cast<size_t>(i - kFirstFree)];
            if (st.slot(i) == old)
                continue;
            st.slot(i) = old;
            memoriesChanged = true;
            // The memory last recalled or stored no longer holds what it did: marked changed.
            if (i == st.LastMemory) {
                st.MemoryUnchanged = false;
                listener_.freeMemoryShown(i, MemoryLight::Changed);
            }
        }
        if (memoriesChanged) {
            st.FreeMemoriesUnsaved = true;
            recovery_.changed();
        }
        st.live() = withLevelsOf(s.live, st.live());
        update_.AGGIORNAMENTO_VORLO();
    }
    current_ = now();
    showAvailability();
}

void RegistrationHistory::showAvailability() {
    listener_.historyShown(canUndo(), canRedo());
}

} // namespace vorlo
