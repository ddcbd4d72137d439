#pragma once

#include "ConsoleCommand.h"

#include <functional>

namespace vorlo {

class AdvancedControls;
class Buffers;
class ConsoleState;
class Couplers;
class Drawstops;
class Form;
class LevelSender;
class Memories;
class Panic;
class Thru;

// Carries out the player's commands, whichever way they arrive, by running the same handler
// as the panel control each one stands for: the console update, the memory indicators and the
// panel follow exactly as for a mouse click.
class CommandExecutor {
public:
    // advancedForm: the Advanced window, whose lists the list steps move. reset: the console's
    // reset procedure.
    CommandExecutor(ConsoleState& state, Drawstops& drawstops, Memories& memories, Buffers& buffers,
                    Couplers& couplers, LevelSender& levels, Thru& thru, Panic& panic,
                    AdvancedControls& advanced, Form& advancedForm, std::function<void()> reset);

    void execute(const ConsoleCommand& command);

private:
    // Draws a position of a group as a click on its drawstop does; a group or position the
    // organ does not have is ignored.
    void drawStop(int group, int position);
    void stepRecallTarget(int step);
    void drawRecallTarget(int position);
    void listStep(SettingList list, int step);

    ConsoleState& state_;
    Drawstops& drawstops_;
    Memories& memories_;
    Buffers& buffers_;
    Couplers& couplers_;
    LevelSender& levels_;
    Thru& thru_;
    Panic& panic_;
    AdvancedControls& advanced_;
    Form& advancedForm_;
    std::function<void()> reset_;
};

} // namespace vorlo
