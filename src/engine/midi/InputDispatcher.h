#pragma once

namespace vorlo {

class Console;

// Everything the player does on the keyboards: drains each input port's queue, learns
// channels, rechannels, passes notes through with their coupler and sub-octave copies, and
// turns sustain, program changes, pitch bend and expression pedals into console actions.
class InputDispatcher {
public:
    explicit InputDispatcher(Console& console);

    void MIDIInput1_Message();
    void MIDIInput2_Message();

private:
    Console& console_;
};

} // namespace vorlo
