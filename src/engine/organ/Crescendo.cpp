#include "Crescendo.h"

#include "ConsoleListener.h"
#include "ConsoleState.h"
#include "ConsoleUpdate.h"
#include "CrescendoStages.h"
#include "MemoryBanks.h"

#include <algorithm>

namespace vorlo {
namespace {

constexpr int kPedalTop = 127;

} // namespace

Crescendo::Crescendo(ConsoleState& state, ConsoleListener& listener, ConsoleUpdate& update,
                     MemoryBanks& banks)
    : state_(state), listener_(listener), update_(update), banks_(banks) {}

int Crescendo::stageFor(int value) {
    const int v = std::clamp(value, 0, kPedalTop);
    // Rounded to the nearest stage, so both ends of the pedal's travel reach theirs.
    return (v * kCrescendoStageCount + kPedalTop / 2) / kPedalTop;
}

void Crescendo::pedal(int value) {
    setStage(stageFor(value));
}

Registration Crescendo::drawn() const {
    if (stage_ == 0)
        return state_.live();
    Registration d = drawn_;
    // What the player changed since the stage was set belongs to the drawn registration.
    for (SlotField f : CrescendoStages::kFields) {
        if (state_.live()[f] != applied_[f])
            d[f] = state_.live()[f];
    }
    return d;
}

void Crescendo::setStage(int n) {
    n = std::clamp(n, 0, kCrescendoStageCount);
    if (n == stage_)
        return;
    drawn_ = drawn();
    Registration& live = state_.live();
    const Registration target = banks_.crescendoStages().onTop(drawn_, n);
    for (SlotField f : CrescendoStages::kFields)
        live[f] = target[f];
    stage_ = n;
    applied_ = live;
    listener_.crescendoShown(n);
    update_.AGGIORNAMENTO_VORLO();
}

void Crescendo::layOnTop() {
    if (stage_ == 0)
        return;
    drawn_ = drawn();
    Registration& live = state_.live();
    const Registration target = banks_.crescendoStages().onTop(drawn_, stage_);
    for (SlotField f : CrescendoStages::kFields)
        live[f] = target[f];
    applied_ = live;
}

void Crescendo::stepStage(int step) {
    setStage(stage_ + step);
}

void Crescendo::storeStage() {
    if (stage_ == 0)
        return;
    drawn_ = drawn();
    banks_.storeCrescendoStage(stage_, state_.live());
    // The stage now holds the registration in force: it is what the stage leaves.
    applied_ = state_.live();
}

} // namespace vorlo
