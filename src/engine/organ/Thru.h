#pragma once

#include <cstdint>

namespace vorlo {

class ConsoleState;
class ConsoleListener;

// The thru mode: how incoming channels are mapped onto the division channels (0 not
// rechanneled, 1 one body at a time, 2 custom channels), the body played in the normal mode and
// the learning of the custom channels. Announces what it changes; the windows render it.
class Thru {
public:
    Thru(ConsoleState& state, ConsoleListener& events);

    // The next body (Great, Swell, Pedal) in the live and sent slots; in the normal mode this
    // changes the registration in force.
    void nextBody();
    // The panel's THRU button asks for the next body.
    void THRUBUTTON_Click() { nextBody(); }

    // A choice of the mode starts: the mode in force is kept for cancelChoice.
    void beginChoice();
    // The custom mode (2) starts from Great channel 2, Swell channel 1, Pedal channel 4 and
    // learns the channels played.
    void chooseMode(int mode);
    // The body (0..2) whose channel is learned next.
    void learnBody(int body);
    // The chosen mode stays; learning ends.
    void confirmChoice();
    // The mode kept by beginChoice comes back; learning ends.
    void cancelChoice();

private:
    ConsoleState& state_;
    ConsoleListener& events_;
    int16_t savedMode_ = 0;
};

} // namespace vorlo
