#pragma once

#include <QString>
#include <array>
#include <vector>

namespace vorlo::datgen {

// Where the organ lives on the module. The console fixes this: after a stop change it re-sends
// the temperament of exactly the parts of the changed group, so every stop must stay on the
// parts listed here. The console's one MIDI output feeds both module inputs; the Great plays on
// channel 1, the Swell on channel 2 and the Pedal on channel 3.
class OrganLayout {
public:
    enum class Family { Fondi, Mutazioni, Ance, Pedale };
    enum class Division { Great, Swell, Pedal };

    static constexpr std::array<Family, 4> kFamilies = {Family::Fondi, Family::Mutazioni,
                                                        Family::Ance, Family::Pedale};
    static constexpr std::array<Family, 3> kManualFamilies = {Family::Fondi, Family::Mutazioni,
                                                              Family::Ance};
    static constexpr std::array<Division, 2> kManuals = {Division::Great, Division::Swell};

    static constexpr int kGreatReinforcementPart = 10;
    static constexpr int kSwellReinforcementPart = 26;

    // The family's key in the organ source ("fondi", "mutazioni", "ance", "pedale").
    static QString key(Family family);
    // Positions of the family's drawstop group, cancel position 0 included.
    static int positionCount(Family family);
    // Module parts of the family on a division, in the order the stop's ranks fill them. Empty
    // when the division has no such family (Pedale is the Pedal's only family).
    static const std::vector<int>& parts(Division division, Family family);
    // The largest number of ranks a stop of the family can have.
    static int partCount(Family family);
    static int reinforcementPart(Division manual);
    // MIDI channel 1..16 of the division.
    static int channel(Division division);
    // Division of a module part 1..32 (the reinforcement parts belong to their manual).
    static Division divisionOfPart(int part);
    // The family of a part, or false for the reinforcement parts.
    static bool familyOfPart(int part, Family* family);
};

} // namespace vorlo::datgen
