#pragma once

#include <QByteArray>
#include <cstdint>

namespace vorlo {

// Hears every message the output hands to its device, in the order and at the moment it
// leaves: the console's paced stream and the player's notes alike. Called on the thread that
// sends (the user-interface thread), on the note path: an implementation allocates nothing and
// never waits.
class MidiOutputTap {
public:
    virtual ~MidiOutputTap() = default;

    virtual void shortSent(uint8_t status, uint8_t data1, uint8_t data2) = 0;
    // One transmission: usually one F0..F7 message, possibly several in a row.
    virtual void sysexSent(const QByteArray& bytes) = 0;
};

} // namespace vorlo
