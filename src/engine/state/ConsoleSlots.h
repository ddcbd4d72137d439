#pragma once

#include "Registration.h"

#include <array>
#include <cstddef>

namespace vorlo {

// Slot numbers of the console-state store.
inline constexpr int kSlotCount = 29; // 0..28; slot 0 is never addressed
inline constexpr int kFirstFree = 1;  // free memories 1..12
inline constexpr int kLastFree = 12;
inline constexpr int kFirstFixed = 13; // fixed memories 13..24
inline constexpr int kLastFixed = 24;
inline constexpr int SlotLive = 25;    // the console as the player sets it
inline constexpr int SlotSent = 26;    // what the sound module was last sent
inline constexpr int SlotBuffer1 = 27; // temporary buffer S1/L1
inline constexpr int SlotBuffer2 = 28; // temporary buffer S2/L2

// The registrations the console keeps: the 24 memories, the live registration, the one last
// sent to the module and the two buffers, each a Registration value in its numbered slot.
struct ConsoleSlots {
    std::array<Registration, kSlotCount> Slots{};

    // Slot n (0..28); the memories, buffers, live and sent registrations by number.
    Registration& slot(int n) { return Slots.at(static_cast<std::size_t>(n)); }
    const Registration& slot(int n) const { return Slots.at(static_cast<std::size_t>(n)); }
    Registration& live() { return Slots[SlotLive]; }
    const Registration& live() const { return Slots[SlotLive]; }
    Registration& sent() { return Slots[SlotSent]; }
    const Registration& sent() const { return Slots[SlotSent]; }

    // The sent registration gets the force values, then the live one the start values, so that
    // the next console update retransmits every field.
    void ResetConsoleSlots();
    // Free memories 1..12 as the program starts.
    void initFreeMemories();
};

} // namespace vorlo
