#pragma once

#include <array>
#include <cstdint>

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

// The 28 values of one console state, in the order the configuration and memory files store
// them.
enum class SlotField : int {
    MemFO_GO,
    MemFO_SW,
    MemMU_GO,
    MemMU_SW,
    MemAN_GO,
    MemAN_SW,
    MemPED,
    MemTremGO,
    MemTremSW,
    MemExprGO,
    MemExprSW,
    MemExprPE,
    MemBalFO_GO,
    MemBalMU_GO,
    MemBalAN_GO,
    MemBalFO_SW,
    MemBalMU_SW,
    MemBalAN_SW,
    MemUnPedale,
    MemUnManuali,
    MemThru,
    MemAnnullGO0,
    MemAnnullGO1,
    MemAnnullGO2,
    MemAnnullSW0,
    MemAnnullSW1,
    MemAnnullSW2,
    MemSubottava,
};
inline constexpr int kFieldCount = 28;

using SlotArray = std::array<int16_t, kSlotCount>;

// One array per console-state field, indexed by slot. Every value is a 16-bit signed integer.
struct ConsoleSlots {
    SlotArray MemFO_GO{}; // Great Fondi position 0..29
    SlotArray MemFO_SW{}; // Swell Fondi position 0..29
    SlotArray MemMU_GO{}; // Great Mutazioni position 0..19
    SlotArray MemMU_SW{};
    SlotArray MemAN_GO{}; // Great Ancie/Archi position 0..19
    SlotArray MemAN_SW{};
    SlotArray MemPED{}; // Pedale position 0..19
    SlotArray MemTremGO{};
    SlotArray MemTremSW{};
    SlotArray MemExprGO{}; // division levels 0..127
    SlotArray MemExprSW{};
    SlotArray MemExprPE{};
    SlotArray MemBalFO_GO{}; // group balances 0..127 (127 = full level)
    SlotArray MemBalMU_GO{};
    SlotArray MemBalAN_GO{};
    SlotArray MemBalFO_SW{};
    SlotArray MemBalMU_SW{};
    SlotArray MemBalAN_SW{};
    SlotArray MemUnPedale{};                // 0 none, 1 Great to Pedal, 2 Swell to Pedal
    SlotArray MemUnManuali{};               // 0 none, 1 Great to Swell, 2 Swell to Great
    SlotArray MemThru{};                    // thru body 1 Great, 2 Swell, 3 Pedal
    std::array<SlotArray, 3> MemAnnullGO{}; // [family][slot]: 1 sounding, 0 muted
    std::array<SlotArray, 3> MemAnnullSW{};
    SlotArray MemSubottava{};

    SlotArray& operator[](SlotField f);
    const SlotArray& operator[](SlotField f) const;

    // Copies every field of one console state.
    void copySlot(int from, int to);
    void writeStartValues(int slot);
    void writeForceValues(int slot);
    // Slot 26 gets the force values, then slot 25 the start values, so that the next console
    // update retransmits every field.
    void ResetConsoleSlots();
    // Free memories 1..12 as the program starts.
    void initFreeMemories();
};

int16_t startValue(SlotField f);
int16_t forceValue(SlotField f);

} // namespace vorlo
