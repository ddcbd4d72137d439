#pragma once

#include "ShortMessage.h"

#include <QObject>
#include <array>
#include <bitset>
#include <cstdint>

namespace vorlo {

class CommandExecutor;
class ConsoleListener;
class ConsoleState;
class Dialogs;
class MidiBindings;
class MidiInputPort;
class MidiOutputPort;
class RunState;
class Transposer;
enum class DivisionId;

// Everything the player does on the keyboards: drains each input port's queue, learns
// channels, rechannels and passes notes through with their coupler and sub-octave copies; the
// sustain pedal, program changes, keys after a switch event, pitch bend and expression pedals
// become commands.
class InputDispatcher {
public:
    // listener: told the channels that learning hears. bindings: the player's own bindings of
    // keyboard messages to commands, which come before everything else. transposer: the
    // semitones every note played sounds at, read for each note.
    InputDispatcher(ConsoleState& state, Dialogs& dialogs, MidiOutputPort& player,
                    MidiInputPort& in1, MidiInputPort& in2, RunState& run,
                    CommandExecutor& commands, ConsoleListener& listener, MidiBindings& bindings,
                    const Transposer& transposer);

    void MIDIInput1_Message();
    void MIDIInput2_Message();

    // Handles one message as it came from input 1 or 2 (the queue loop's body, without the
    // queue): learning, rechannelling, classification, pass-through.
    void process(int input, ShortMessage m);

    // A key of the on-screen keyboard (the user-interface thread): already on its division's
    // channel whatever the thru mode, it goes straight to the pass-through with its coupler and
    // sub-octave copies, as a keyboard's note does once rechannelled; it is never learned and
    // never a command. Velocity 0 releases the key, silencing what its press sounded. The
    // screen's held keys are its own, apart from the keyboards'. Allocates nothing.
    void screenNote(DivisionId division, int key, int velocity);

    // The sources of played notes: the two keyboards, then the on-screen keyboard.
    static constexpr int kScreenInput = 3;
    static constexpr size_t kSources = 3;

private:
    // The copies a played note made, in the order they were sent: up to two coupler copies
    // (their output channels) and the sub-octave copy.
    struct Copies {
        uint8_t couplerChannel[2] = {0, 0};
        bool subOctave = false;
    };

    void drain(int input, MidiInputPort& port);
    // The keyboard on this input has gone: what it delivered is played, then every note it
    // still holds is released.
    void inputLost(int input, MidiInputPort& port);
    // Releases every note the input holds, with the copies each made; also what a port closed
    // by the console runs.
    void releaseHeldBy(int input);
    // Whether a source other than this one holds the key on the channel, sounding at the same
    // pitch.
    bool heldByAnother(int input, size_t channel, size_t key) const;
    // A played message: a note is transposed (a key held sounds at the pitch its press went
    // out at), then sent with its copies.
    void passThrough(int input, const ShortMessage& m);
    // The pitch a key sounds at under the transposition in force; kNotSent outside 0..127.
    int transposed(int key) const;
    // Sends a message as it goes out, with the copies a note makes.
    void sendPlayed(const ShortMessage& m);
    Copies copiesFor(int status) const;
    void sendCopies(const ShortMessage& played, const Copies& c);
    void noteDelay();

    ConsoleState& state_;
    Dialogs& dialogs_;
    MidiOutputPort& player_;
    MidiInputPort& in1_;
    MidiInputPort& in2_;
    RunState& run_;
    CommandExecutor& commands_;
    ConsoleListener& listener_;
    MidiBindings& bindings_;
    const Transposer& transposer_;
    // Receives the ports' notices; gone with the dispatcher, so none arrives after it.
    QObject context_;
    std::array<bool, 2> draining_{false, false};
    // An input whose device went while its queue was being drained: the drain releases its
    // notes once it has read what was queued.
    std::array<bool, 2> lost_{false, false};
    // Copies made for each key held on the Great, Swell and Pedal channels, so that a release
    // silences exactly what its press sounded, whatever the couplers are by then.
    std::array<std::array<Copies, 128>, 3> held_{};
    std::array<std::array<bool, 128>, 3> isHeld_{};
    // The keys each source holds, per output channel (after rechannelling), so that a keyboard
    // that vanishes releases exactly its own notes.
    std::array<std::array<std::bitset<128>, 16>, kSources> heldBy_{};
    // The pitch each held key's note went out at (kNotSent: transposed off the keyboard, not
    // sent), so that its release goes out at that pitch whatever the transposition is by then.
    static constexpr int8_t kNotSent = -1;
    std::array<std::array<std::array<int8_t, 128>, 16>, kSources> sentPitch_{};
    // Keys whose notes the console released for each input when its device went or its port
    // closed, while the keyboard still held them: the keyboard's own later release of such a
    // key is not sent again.
    std::array<std::array<std::bitset<128>, 16>, kSources> releasedFor_{};
};

} // namespace vorlo
