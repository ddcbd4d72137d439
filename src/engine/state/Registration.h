#pragma once

#include <array>
#include <cstdint>

namespace vorlo {

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

// One registration: everything a memory holds, what the console plays (live) and what the
// module was last sent, as one value that is copied, compared, read and written as a unit.
// Every value is a 16-bit signed integer, as the files store it.
struct Registration {
    int16_t MemFO_GO = 0; // Great Fondi position 0..29
    int16_t MemFO_SW = 0; // Swell Fondi position 0..29
    int16_t MemMU_GO = 0; // Great Mutazioni position 0..19
    int16_t MemMU_SW = 0;
    int16_t MemAN_GO = 0; // Great Ancie/Archi position 0..19
    int16_t MemAN_SW = 0;
    int16_t MemPED = 0; // Pedale position 0..19
    int16_t MemTremGO = 0;
    int16_t MemTremSW = 0;
    int16_t MemExprGO = 0; // division levels 0..127
    int16_t MemExprSW = 0;
    int16_t MemExprPE = 0;
    int16_t MemBalFO_GO = 0; // group balances 0..127 (127 = full level)
    int16_t MemBalMU_GO = 0;
    int16_t MemBalAN_GO = 0;
    int16_t MemBalFO_SW = 0;
    int16_t MemBalMU_SW = 0;
    int16_t MemBalAN_SW = 0;
    int16_t MemUnPedale = 0;              // 0 none, 1 Great to Pedal, 2 Swell to Pedal
    int16_t MemUnManuali = 0;             // 0 none, 1 Great to Swell, 2 Swell to Great
    int16_t MemThru = 0;                  // thru body 1 Great, 2 Swell, 3 Pedal
    std::array<int16_t, 3> MemAnnullGO{}; // by family: 1 sounding, 0 muted
    std::array<int16_t, 3> MemAnnullSW{};
    int16_t MemSubottava = 0;

    // A field by its place in the files' order.
    int16_t& operator[](SlotField f);
    int16_t operator[](SlotField f) const;

    // The console as the program starts: nothing drawn, full levels and balances, every
    // family sounding, thru on the Great.
    static Registration startValues();
    // Values that differ from every start value, so that a console update comparing against
    // them sends every item.
    static Registration forceValues();

    friend bool operator==(const Registration&, const Registration&) = default;
};

int16_t startValue(SlotField f);
int16_t forceValue(SlotField f);

} // namespace vorlo
