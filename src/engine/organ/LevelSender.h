#pragma once

#include <cstdint>

namespace vorlo {

class ConsoleState;
struct Division;
enum class StopFamily;
class MidiOutputPort;
class ConsoleListener;

// Division levels (controller 11), stop-group balances (controllers 7, 8, 9, sent as
// 127 - balance) and the two tremolos (controller 1) on the division channels, and the
// tremolo buttons of the panel.
class LevelSender {
public:
    // What it sends is shown on the panel through the indicators.
    LevelSender(ConsoleState& state, MidiOutputPort& output, ConsoleListener& indicators);

    // Sends a division's level and shows it under its slider.
    void sendLevel(const Division& d);
    // Sends a manual's family balance as its complement (127 = full level sends 0) and shows
    // it under its slider.
    void sendBalance(const Division& d, StopFamily family);
    // Sends a manual's tremulant state (only 1 is on) and lights its button.
    void sendTremulant(const Division& d, int v);
    // The tremulant button: toggles the state in force and sends it.
    void toggleTremulant(const Division& d);

    // v is the tremolo state; only 1 means on.
    void Send_Tremolo_GO(int v);
    void Send_Tremolo_SW(int v);

private:
    ConsoleState& state_;
    MidiOutputPort& output_;
    ConsoleListener& indicators_;
};

} // namespace vorlo
