#pragma once

#include "MidiConstants.h"
#include "ShortMessage.h"

#include <cstddef>
#include <cstdint>

namespace vorlo {

// Turns the bytes of one MIDI input into whole messages by the MIDI 1.0 rules, whatever
// pieces the MIDI library hands them over in:
// - a status byte ends an incomplete message (which is dropped) and starts its own;
// - real-time bytes (F8..FF) may sit anywhere, even between data bytes: each comes out at
//   once as a message of its own and leaves the message around it undisturbed;
// - running status: data bytes after a complete channel message start another one with the
//   same status; system common messages and system-exclusive cancel it;
// - system-exclusive (F0 up to F7, or up to the next status byte) is swallowed whole;
// - data bytes with no status to belong to are dropped.
// Every data byte that comes out is below 0x80. The parser never allocates; one instance
// belongs to one input and is fed from one thread at a time.
class MidiByteParser {
public:
    // Feeds bytes; onMessage(const ShortMessage&) is called for every message they complete.
    template <typename Emit> void feed(const uint8_t* bytes, size_t size, Emit&& onMessage) {
        for (size_t i = 0; i < size; ++i) {
            ShortMessage m;
            if (take(bytes[i], m))
                onMessage(m);
        }
    }

    // Forgets any incomplete message, running status and system-exclusive in progress.
    void reset();

private:
    // Takes one byte; true when it completes message m.
    bool take(uint8_t byte, ShortMessage& m);
    bool complete(ShortMessage& m);

    uint8_t status_ = 0; // status of the message being gathered (or running); 0 = none
    uint8_t data_[2] = {0, 0};
    int count_ = 0;  // data bytes gathered so far
    int needed_ = 0; // data bytes the message carries
    bool sysex_ = false;
};

} // namespace vorlo
