#include "CrescendoStages.h"

#include <stdexcept>

namespace vorlo {
namespace {

// One default stage, in the order of CrescendoStages::kFields: the Great and Swell Fondi, the
// Great and Swell Mutazioni, the Great and Swell Ance/Archi, the Pedale, the pedal coupler
// (1 Great to Pedal), the manual coupler (1 Go to Swell) and the sub-octave. The positions are
// the default organ's: Fondi 3 Bordone 8', 15 Bordone 8' e Flauto 4', 1 Principale 8', 12
// Principale e Ottava, 16 Flauti 8' 4' 2', 13 Principali 8' 4' 2', 18 Fondi 8', 19 Fondi 16' 8'
// 4', 24 Tutti i fondi, 25 Plenum; Mutazioni 3 Decimaquinta 2', 10 Ripieno II, 11 Ripieno III,
// 13 Ripieno acuto III, 14 Cimbalo III; Ance/Archi 2 Oboe 8', 1 Tromba 8', 17 Tromba 8' e
// Clarino 4', 16 Batteria d'ance; Pedale 1 Subbasso 16', 11 Subbasso 16' e Bordone 8', 15
// Subbasso e Ottava, 12 Principale 16' e Ottava 8', 13 Principali 16' 8' 4', 16 Ripieno del
// pedale, 19 Tutti pedale.
using StageRow = std::array<int16_t, CrescendoStages::kFields.size()>;
constexpr StageRow kDefaultLadder[kCrescendoStageCount] = {
    {0, 3, 0, 0, 0, 0, 1, 0, 0, 0},        //  1
    {0, 15, 0, 0, 0, 0, 1, 0, 0, 0},       //  2
    {3, 15, 0, 0, 0, 0, 11, 0, 0, 0},      //  3
    {15, 15, 0, 0, 0, 0, 11, 0, 0, 0},     //  4
    {1, 15, 0, 0, 0, 0, 11, 0, 0, 0},      //  5
    {12, 16, 0, 0, 0, 0, 15, 0, 0, 0},     //  6
    {12, 16, 0, 0, 0, 0, 15, 1, 0, 0},     //  7
    {13, 16, 0, 0, 0, 0, 12, 1, 0, 0},     //  8
    {13, 18, 0, 3, 0, 0, 12, 1, 0, 0},     //  9
    {18, 18, 0, 3, 0, 0, 12, 1, 1, 0},     // 10
    {18, 18, 10, 3, 0, 0, 13, 1, 1, 0},    // 11
    {19, 18, 10, 10, 0, 0, 13, 1, 1, 0},   // 12
    {19, 19, 11, 10, 0, 2, 13, 1, 1, 0},   // 13
    {24, 19, 11, 11, 0, 2, 16, 1, 1, 0},   // 14
    {24, 24, 11, 11, 0, 1, 16, 1, 1, 0},   // 15
    {24, 24, 13, 11, 1, 1, 16, 1, 1, 1},   // 16
    {25, 24, 13, 13, 1, 17, 16, 1, 1, 1},  // 17
    {25, 25, 13, 13, 17, 17, 16, 1, 1, 1}, // 18
    {25, 25, 14, 13, 17, 16, 19, 1, 1, 1}, // 19
    {25, 25, 14, 14, 16, 16, 19, 1, 1, 1}, // 20
};

} // namespace

CrescendoStages::CrescendoStages() {
    for (int n = 0; n < kCrescendoStageCount; ++n) {
        for (std::size_t k = 0; k < kFields.size(); ++k)
            stages_[static_cast<std::size_t>(n)][kFields[k]] = kDefaultLadder[n][k];
    }
}

const Registration& CrescendoStages::stage(int n) const {
    if (!isStage(n))
        throw std::out_of_range("no such crescendo stage");
    return stages_[static_cast<std::size_t>(n - 1)];
}

void CrescendoStages::store(int n, const Registration& r) {
    if (!isStage(n))
        throw std::out_of_range("no such crescendo stage");
    Registration& s = stages_[static_cast<std::size_t>(n - 1)];
    for (SlotField f : kFields)
        s[f] = r[f];
}

Registration CrescendoStages::onTop(const Registration& drawn, int n) const {
    Registration out = drawn;
    if (!isStage(n))
        return out;
    const Registration& s = stage(n);
    for (SlotField f : kFields) {
        if (s[f] != 0)
            out[f] = s[f];
    }
    return out;
}

} // namespace vorlo
