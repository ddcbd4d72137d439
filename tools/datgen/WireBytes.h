#pragma once

#include "StopTable.h"

#include <QString>
#include <array>

namespace vorlo::datgen {

// The bytes the console puts on the MIDI wire for a stops table, counted the way the console
// update sends them: a group that changes sends its stop entry, then the manual's reinforcement
// entry (Fondi and Ance/Archi groups), the temperament message of each of the group's parts, and
// the controllers that follow a change (balance, level and tremolo on a manual, the level on the
// Pedal). The level is counted once per group, as without level coupling.
class WireBytes {
public:
    static constexpr int kGroups = 7;
    // A DIN MIDI wire carries 3,125 bytes a second.
    static constexpr int kWireBytesPerSecond = 3125;

    // One position per group, in the console's order: Great Fondi, Swell Fondi, Great
    // Mutazioni, Swell Mutazioni, Great Ance/Archi, Swell Ance/Archi, Pedale.
    using Registration = std::array<int, kGroups>;

    struct Range {
        int min = 0;
        double average = 0;
        int max = 0;
    };

    // Positions of group g, cancel included.
    static int positions(int group);
    static QString groupLabel(int group);
    // Drawing the position that `live` holds for group g while the other groups keep theirs.
    static int groupChange(const StopTable& t, int group, const Registration& live);
    // A console update that changes all seven groups at once.
    static int registration(const StopTable& t, const Registration& to);
    // A memory recall that changes all seven groups: the update, then both tremolos again.
    static int generalMemory(const StopTable& t, const Registration& to);
    // The console's reset: GS reset, the set-up entries 1..3, the reverb, then the whole console
    // at the start values (every group at its cancel).
    static int reset(const StopTable& t, int reverb = 0);
    // The stop entries alone, group g, stops drawn (positions 1 on).
    static Range stopEntries(const StopTable& t, int group);
    // A stop change of group g (others at their cancel), stops drawn.
    static Range stopChanges(const StopTable& t, int group);
    // General memories that draw a stop in every group: every group at its cheapest stop, the
    // average, every group at its dearest stop.
    static Range generalMemories(const StopTable& t);

    // A plain-text table of the figures above, with the time each takes on a DIN wire.
    static QString report(const StopTable& t);
};

} // namespace vorlo::datgen
