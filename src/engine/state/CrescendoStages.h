#pragma once

#include "Registration.h"

#include <array>

namespace vorlo {

inline constexpr int kCrescendoStageCount = 20; // stages 1..20; stage 0 is the drawn registration

// The crescendo pedal's stages, quiet to full. A stage holds what it adds to the drawn
// registration: a position for each of the seven stop groups, the two couplers and the
// sub-octave, 0 leaving the drawn one. Each group sounds one position at a time, so where a
// stage sets a group its position is the one in force; everything else stays as drawn.
class CrescendoStages {
public:
    // The fields a stage sets.
    static constexpr std::array<SlotField, 10> kFields = {
        SlotField::MemFO_GO, SlotField::MemFO_SW, SlotField::MemMU_GO,    SlotField::MemMU_SW,
        SlotField::MemAN_GO, SlotField::MemAN_SW, SlotField::MemPED,      SlotField::MemUnPedale,
        SlotField::MemUnManuali, SlotField::MemSubottava};

    // The default ladder, built from the default organ's stops.
    CrescendoStages();

    static bool isStage(int n) { return n >= 1 && n <= kCrescendoStageCount; }
    // Stage n (1..20); out of range throws std::out_of_range.
    const Registration& stage(int n) const;
    // Stage n takes the crescendo fields of r.
    void store(int n, const Registration& r);
    // The drawn registration with stage n on top (n = 0: the drawn registration itself).
    Registration onTop(const Registration& drawn, int n) const;

    friend bool operator==(const CrescendoStages&, const CrescendoStages&) = default;

private:
    std::array<Registration, kCrescendoStageCount> stages_{};
};

} // namespace vorlo
