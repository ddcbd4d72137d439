#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>

namespace vorlo {

// What an output leaves out when more is sent than its device carries, so that what waits
// stays bounded and nothing is left sounding:
// - new notes, pressure, bends, controllers and clock of the player may be dropped, never a
//   release (midi::isRelease) of something sounding: a note-off goes whenever its note-on went,
//   and is dropped with it when it did not;
// - a message that sets what a waiting one would have set (the same controller, the same
//   module address) may replace the waiting one: the device ends with the same data.
// The policy follows which notes sound from what passes (passed()).
class FloodPolicy {
public:
    // Bytes that may wait in order before the policy applies (more than the start-up reset of
    // the tables the program builds).
    static constexpr size_t kOrderedBytes = 16384;

    // Whether the player's message may be dropped.
    bool mayDrop(uint8_t status, uint8_t data1, uint8_t data2) const;
    // Whether the message may be dropped from a stream that carries the console's own messages
    // as well: only notes (a note-off with its note) and clock, whose loss leaves nothing
    // sounding or set otherwise; everything else is kept or replaces a waiting one.
    bool mayDropNote(uint8_t status, uint8_t data1, uint8_t data2) const;
    // The message goes (or waits to go) to the device.
    void passed(uint8_t status, uint8_t data1, uint8_t data2);
    // Nothing sounds (the device was opened afresh).
    void clear() { sounding_ = {}; }

    // Whether the newer message b sets what the older a would have set: the same controller
    // (or key pressure) of a channel; program, channel pressure or bend of a channel; a GS data
    // set of the same address and size; otherwise the very same bytes.
    static bool sameTarget(const uint8_t* a, size_t aSize, const uint8_t* b, size_t bSize);

private:
    bool isNoteOffOfSilentNote(uint8_t status, uint8_t data1, uint8_t data2) const;

    // The notes sounding on the device, per channel.
    std::array<std::bitset<128>, 16> sounding_{};
};

} // namespace vorlo
