#pragma once

#include <cstdint>

namespace vorlo {

// A three-byte GS address (high, middle, low), and where a part's parameters lie in the map.
//
// Part p (1..32) lies on port A (40) for p <= 16, on port B (50) for the rest. On its port the
// part has a block number: the GS map puts part 10 at block 0, parts 1..9 at blocks 1..9 and
// parts 11..16 at blocks A..F, and port B repeats the pattern for parts 17..32. The middle
// address byte joins a block kind (1x, 2x, 4x) to that number.
struct GsAddress {
    uint8_t high = 0;
    uint8_t middle = 0;
    uint8_t low = 0;

    // Parameter `parameter` of part p (1..32) in the block kind `blockKind` (1x, 2x, 4x).
    static GsAddress ofPart(int part, uint8_t blockKind, uint8_t parameter);
    // 40 for parts 1..16, 50 for 17..32.
    static uint8_t portOf(int part);
    // The part's block number on its port (0 for part 10).
    static uint8_t blockNumberOf(int part);
    // The part 1..16 that a block number names on its port (only its lower four bits count).
    static int partOnPort(uint8_t blockNumber);
    // The part 1..32 that a port byte and a middle byte name; 0 when the port is neither A nor
    // B. The block kind is not looked at.
    static int partOf(uint8_t high, uint8_t middle);
    // True when the middle byte lies in one of a part's blocks (1x, 2x, 4x).
    static bool isPartBlock(uint8_t middle);

    // The address of the next byte: seven bits to an address byte, carried upwards.
    GsAddress next() const;

    bool operator==(const GsAddress&) const = default;
};

} // namespace vorlo
