#pragma once

#include <functional>

namespace vorlo {

class OrganSettings;
class ConsoleState;
class LevelSender;
class ConsoleListener;
class ProgramLifecycle;
class RunState;
class SysexSender;

// Brings the sound module in line with the live console state: it compares the live slot with
// the sent slot item by item, sends what differs in a fixed order and records it in the sent
// slot. What changed is told to the panel's indicators, which repaint themselves.
class ConsoleUpdate {
public:
    // An unexpected failure while telling the panel ends the program through the lifecycle.
    ConsoleUpdate(ConsoleState& state, SysexSender& sysex, LevelSender& levels,
                  OrganSettings& settings, ConsoleListener& indicators, RunState& run,
                  ProgramLifecycle& lifecycle);

    // A call made while an update is running (a click handled during a system-exclusive
    // delay) is deferred: it runs once the running update has finished, so no item is sent
    // twice.
    // Run before each pass compares the live registration with the sent one: the crescendo
    // lays its stage on top of what the player changed.
    std::function<void()> beforePass;
    void AGGIORNAMENTO_VORLO();

private:
    void run();
    void groupStep(int step);
    void couplerIndicators();
    void cancels();

    ConsoleState& state_;
    RunState& run_;
    ProgramLifecycle& lifecycle_;
    ConsoleListener& indicators_;
    LevelSender& levels_;
    SysexSender& sysex_;
    OrganSettings& settings_;
    bool running_ = false;
    bool again_ = false;
};

} // namespace vorlo
