#pragma once

#include "OrganLayout.h"

#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace vorlo::datgen {

// The organ as the source describes it, checked and resolved to GS values: what the builder
// turns into stops-table entries.
class OrganModel {
public:
    static constexpr int kTemperamentCount = 12;
    static constexpr int kReverbCount = 8;
    static constexpr int kScaleNotes = 12;

    // One rank of a stop: a GS tone played on one part, shifted to its footage.
    struct Rank {
        uint8_t variation = 0; // CC#00 value of the tone
        uint8_t program = 0;
        int keyShift = 0; // semitones, -24..+24
        int level = 0;    // note velocity 1..127 the part plays at
    };

    struct Stop {
        QString name;
        bool reinforce = false;  // takes the manual's sine reinforcement
        std::vector<Rank> ranks; // at most the family's part count; none at position 0
    };

    struct Temperament {
        QString name;
        std::array<uint8_t, kScaleNotes> scaleTuning{}; // GS bytes for C..B, 40 = 0 cent
    };

    struct Reverb {
        QString name;
        uint8_t macro = 0;
    };

    // A tremolo type, in GS values of the controller-1 destinations and the tone modifiers.
    struct Tremulant {
        uint8_t lfoRateControl = 0;
        uint8_t pitchDepth = 0;
        uint8_t amplitudeDepth = 0;
        uint8_t vibratoRate = 0;
        uint8_t vibratoDelay = 0;
    };

    struct Reinforcement {
        Rank rank;
        uint8_t pan = 0;
        OrganLayout::Family balance = OrganLayout::Family::Fondi;
    };

    struct Voicing {
        uint8_t partLevel = 0;
        uint8_t reverbSend = 0;
        uint8_t balanceDepth = 0; // amplitude control of the balance controller
        std::map<OrganLayout::Family, uint8_t> balanceController; // manual families
        std::map<OrganLayout::Family, std::vector<uint8_t>> pan;  // one per family part
    };

    uint8_t deviceId = 0;
    std::array<QString, 4> groupNames;
    std::map<OrganLayout::Family, std::vector<Stop>> stops; // every position of every family
    std::vector<Temperament> temperaments;
    std::vector<Reverb> reverbs;
    Tremulant doux;
    Tremulant fort;
    Reinforcement reinforcement;
    Voicing voicing;
    std::map<int, QString> globalTexts; // global entry g -> its text (stored at 290 + g)
};

} // namespace vorlo::datgen
