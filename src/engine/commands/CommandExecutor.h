#pragma once

#include "ConsoleCommand.h"

#include <functional>

namespace vorlo {

class Buffers;
class ConsoleState;
class Couplers;
class Crescendo;
class Drawstops;
class LevelSender;
class Memories;
class MemoryBanks;
class OrganSettings;
class Panic;
class RegistrationHistory;
class Thru;
class Transposer;

// Carries out the player's commands, whichever way they arrive, by running the same handler
// as the panel control each one stands for: the console update, the memory indicators and the
// panel follow exactly as for a mouse click.
class CommandExecutor {
public:
    // settings: levels, balances and the Advanced window's choices. reset: the console's reset
    // procedure. transposer: the semitones the player's notes sound at. history: undo and
    // redo of the registration.
    CommandExecutor(ConsoleState& state, Drawstops& drawstops, Memories& memories, Buffers& buffers,
                    Couplers& couplers, LevelSender& levels, Thru& thru, Panic& panic,
                    OrganSettings& settings, std::function<void()> reset, MemoryBanks& banks,
                    Crescendo& crescendo, Transposer& transposer, RegistrationHistory& history);

    // The division level an expression pedal value 0..127 gives: 61, 64, ... 124, 127.
    static int expressionLevel(int value);

    void execute(const ConsoleCommand& command);

private:
    // The absolute settings: levels, balances and the Advanced window's choices.
    void setting(const ConsoleCommand& command);
    // Memories asked for outright, and what the keyboards' pedals, wheels and keys ask.
    void device(const ConsoleCommand& command);
    // The memory banks, the memory sequence and the crescendo pedal.
    void bankOrCrescendo(const ConsoleCommand& command);
    // Draws a position of a group as a click on its drawstop does; a group or position the
    // organ does not have is ignored.
    void drawStop(int group, int position);
    void stepRecallTarget(int step);
    void drawRecallTarget(int position);
    void listStep(SettingList list, int step);
    void chooseSetting(SettingList list, int index);
    // A key after the switch event: the memory keys recall, any other is a remote key.
    void switchEventKey(int key);
    void sustainPedal(int value);
    void expressionPedal(int input, int channel, int value);
    void bendSwitch(int input, int channel, int wheel);

    ConsoleState& state_;
    Drawstops& drawstops_;
    Memories& memories_;
    Buffers& buffers_;
    Couplers& couplers_;
    LevelSender& levels_;
    Thru& thru_;
    Panic& panic_;
    OrganSettings& settings_;
    std::function<void()> reset_;
    MemoryBanks& banks_;
    Crescendo& crescendo_;
    Transposer& transposer_;
    RegistrationHistory& history_;
};

} // namespace vorlo
