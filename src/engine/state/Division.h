#pragma once

#include "MidiConstants.h"
#include "Registration.h"
#include "StopTable.h"

#include <array>
#include <cstdint>
#include <initializer_list>

namespace vorlo {

// The organ's divisions, in the order of their channels.
enum class DivisionId { Great, Swell, Pedal };

// The manuals' three stop families, in the order of the panel's columns. The Pedal has one
// group of its own (Pedale), with no balance and no cancel.
enum class StopFamily { Fondi, Mutazioni, Ance };
inline constexpr int kFamilyCount = 3;

// The range a division's level takes (controller 11) and a family balance's.
inline constexpr int kLevelMin = 60;
inline constexpr int kLevelMax = 127;
inline constexpr int kBalanceMin = 0;
inline constexpr int kBalanceMax = 127;

// One division as data: its channel, the registration fields that hold its settings and the
// stops-table entries that act on it (its controls: DivisionControls). Routines that act on "a
// division" take one of these instead of being written once per manual; the files keep their two
// manuals and a pedal.
struct Division {
    DivisionId id;
    int channel;
    std::array<int16_t Registration::*, 3> stops;   // positions by family (Pedal: Pedale)
    int16_t Registration::*level;                   // division level 0..127
    int16_t Registration::*tremulant;               // nullptr: the Pedal has none
    std::array<int16_t Registration::*, 3> balance; // by family; nullptr for the Pedal
    std::array<int16_t, 3> Registration::*cancels;  // by family; nullptr for the Pedal
    // Stops-table entries: the family mute and restore, the reinforcement on and off (-1: none).
    std::array<int, 3> muteEntry;
    std::array<int, 3> restoreEntry;
    int reinforceOnEntry;
    int reinforceOffEntry;
    int balanceElement; // element of the Advanced window's balance arrays (0: none)
    // The divisions whose level sliders follow this one's, in the order they are sent: with
    // the global coupling on the manuals (1) and on every division (2).
    std::initializer_list<DivisionId> followManuals;
    std::initializer_list<DivisionId> followAll;

    bool isManual() const { return tremulant != nullptr; }
};

inline const std::array<Division, 3> kDivisions = {{
    {DivisionId::Great,
     midi::GreatChannel,
     {&Registration::MemFO_GO, &Registration::MemMU_GO, &Registration::MemAN_GO},
     &Registration::MemExprGO,
     &Registration::MemTremGO,
     {&Registration::MemBalFO_GO, &Registration::MemBalMU_GO, &Registration::MemBalAN_GO},
     &Registration::MemAnnullGO,
     {StopTable::kGreatMuteFondi, StopTable::kGreatMuteMutazioni, StopTable::kGreatMuteAncie},
     {StopTable::kGreatRestoreFondi, StopTable::kGreatRestoreMutazioni,
      StopTable::kGreatRestoreAncie},
     StopTable::kGreatReinforceOn,
     StopTable::kGreatReinforceOff,
     1,
     {DivisionId::Swell},
     {DivisionId::Swell, DivisionId::Pedal}},
    {DivisionId::Swell,
     midi::SwellChannel,
     {&Registration::MemFO_SW, &Registration::MemMU_SW, &Registration::MemAN_SW},
     &Registration::MemExprSW,
     &Registration::MemTremSW,
     {&Registration::MemBalFO_SW, &Registration::MemBalMU_SW, &Registration::MemBalAN_SW},
     &Registration::MemAnnullSW,
     {StopTable::kSwellMuteFondi, StopTable::kSwellMuteMutazioni, StopTable::kSwellMuteAncie},
     {StopTable::kSwellRestoreFondi, StopTable::kSwellRestoreMutazioni,
      StopTable::kSwellRestoreAncie},
     StopTable::kSwellReinforceOn,
     StopTable::kSwellReinforceOff,
     2,
     {DivisionId::Great},
     {DivisionId::Great, DivisionId::Pedal}},
    {DivisionId::Pedal,
     midi::PedalChannel,
     {&Registration::MemPED, nullptr, nullptr},
     &Registration::MemExprPE,
     nullptr,
     {nullptr, nullptr, nullptr},
     nullptr,
     {-1, -1, -1},
     {-1, -1, -1},
     -1,
     -1,
     0,
     {},
     {DivisionId::Swell, DivisionId::Great}},
}};

inline const Division& division(DivisionId id) {
    return kDivisions[static_cast<size_t>(id)];
}

// The controller a manual's family balance goes out as (its complement: 127 = full level
// sends 0).
inline constexpr std::array<uint8_t, kFamilyCount> kBalanceControllers = {
    midi::CcVolume, midi::CcBalance, midi::CcController9};

inline uint8_t balanceController(StopFamily f) {
    return kBalanceControllers[static_cast<size_t>(f)];
}

} // namespace vorlo
