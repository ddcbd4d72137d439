#pragma once

#include "Registration.h"

namespace vorlo {

class ConsoleListener;
class ConsoleUpdate;
class MemoryBanks;
struct ConsoleState;

// The crescendo pedal: it walks through the stages, each adding its stops on top of the
// registration the player drew; stage 0 is the drawn registration itself. What the player
// draws, cancels or recalls while a stage is on changes the drawn registration, and the stage
// stays on top of it. Everything is sent through the console update.
class Crescendo {
public:
    // The controller the pedal sends (the foot controller), on either keyboard.
    static constexpr int kController = 4;

    Crescendo(ConsoleState& state, ConsoleListener& listener, ConsoleUpdate& update,
              MemoryBanks& banks);

    // The stage a pedal value 0..127 stands for: 0 at the heel, the last stage at the toe.
    static int stageFor(int value);
    void pedal(int value);
    // Stage n (kept within 0..20); the same stage again sends nothing.
    void setStage(int n);
    void stepStage(int step);
    // With a stage on, the registration in force becomes the drawn one (with what the player
    // changed since) under the stage again: a memory recalled or a stop drawn keeps the stage's
    // stops on top. Nothing at stage 0.
    void layOnTop();
    // The stage in force takes the registration in force (nothing at stage 0).
    void storeStage();
    int stage() const { return stage_; }
    // The registration as drawn, without the stage in force.
    Registration drawn() const;

private:
    ConsoleState& state_;
    ConsoleListener& listener_;
    ConsoleUpdate& update_;
    MemoryBanks& banks_;
    int stage_ = 0;
    Registration drawn_;   // the registration as drawn, while a stage is on
    Registration applied_; // the registration in force as the last stage left it
};

} // namespace vorlo
