#pragma once

#include "Division.h"

#include <cstdint>

namespace vorlo {

// The stop groups, by the codes the console keeps for the group the step keys act on:
// tens = division (1 Great, 2 Swell, 3 Pedal), units = family (1 Fondi, 2 Mutazioni,
// 3 Ancie/Archi).
enum class StopGroupCode : int16_t {
    GreatFondi = 11,
    GreatMutazioni = 12,
    GreatAncie = 13,
    SwellFondi = 21,
    SwellMutazioni = 22,
    SwellAncie = 23,
    Pedale = 31,
};

// The manuals are the organ's first two divisions.
using Manual = DivisionId;

// The four coupler buttons; each pair shares one setting and excludes the other.
enum class Coupler : int {
    GreatToPedal, // UNPI
    SwellToPedal, // UNPII
    GoToSwell,    // UN_GOSW
    SwellToGo,    // UN_SWGO
};

// The Advanced window's lists that the player can step through.
enum class SettingList : int { Temperament, TemperamentStart, Reverb };

// Everything a player can ask of the console, whichever way the request arrives (panel
// buttons, computer keys, MIDI keys after a switch event).
enum class CommandKind : int {
    DrawStop,           // a: StopGroupCode, b: position (0 cancels the group)
    SelectRecallTarget, // a: StopGroupCode the step keys act on from now on
    StepRecallTarget,   // a: step; a position past either end of the group does nothing
    DrawRecallTarget,   // a: position of the recall target to draw
    Cancel,             // a: Manual, b: family (1 Mutazioni, 2 Ancie/Archi)
    CancelAll,          //
    Memory,             // a: memory 1..24; recalls it, or stores into a free one under REC
    ToggleRec,          //
    StoreBuffer,        // a: buffer 0..1
    LoadBuffer,         // a: buffer 0..1
    ClearFreeMemories,  //
    Coupler,            // a: Coupler
    SubOctave,          //
    Tremulant,          // a: Manual
    NextThruBody,       //
    ListStep,           // a: SettingList, b: step (-1 previous, +1 next entry)
    Panic,              //
    Reset,              //
};

// One request of the player, as a value: a kind and up to two small arguments whose meaning
// the kind gives. Build one with the named constructors.
struct ConsoleCommand {
    CommandKind kind = CommandKind::Panic;
    int a = 0;
    int b = 0;

    static constexpr ConsoleCommand drawStop(StopGroupCode group, int position) {
        return {CommandKind::DrawStop, static_cast<int>(group), position};
    }
    static constexpr ConsoleCommand selectRecallTarget(StopGroupCode group) {
        return {CommandKind::SelectRecallTarget, static_cast<int>(group), 0};
    }
    static constexpr ConsoleCommand stepRecallTarget(int step) {
        return {CommandKind::StepRecallTarget, step, 0};
    }
    static constexpr ConsoleCommand drawRecallTarget(int position) {
        return {CommandKind::DrawRecallTarget, position, 0};
    }
    static constexpr ConsoleCommand cancel(Manual manual, int family) {
        return {CommandKind::Cancel, static_cast<int>(manual), family};
    }
    static constexpr ConsoleCommand cancelAll() { return {CommandKind::CancelAll, 0, 0}; }
    // Memory number: 1..12 free, 13..24 fixed.
    static constexpr ConsoleCommand memory(int number) { return {CommandKind::Memory, number, 0}; }
    static constexpr ConsoleCommand freeMemory(int i) { return memory(i); }
    static constexpr ConsoleCommand fixedMemory(int i) { return memory(12 + i); }
    static constexpr ConsoleCommand toggleRec() { return {CommandKind::ToggleRec, 0, 0}; }
    static constexpr ConsoleCommand storeBuffer(int index) {
        return {CommandKind::StoreBuffer, index, 0};
    }
    static constexpr ConsoleCommand loadBuffer(int index) {
        return {CommandKind::LoadBuffer, index, 0};
    }
    static constexpr ConsoleCommand clearFreeMemories() {
        return {CommandKind::ClearFreeMemories, 0, 0};
    }
    static constexpr ConsoleCommand coupler(Coupler which) {
        return {CommandKind::Coupler, static_cast<int>(which), 0};
    }
    static constexpr ConsoleCommand subOctave() { return {CommandKind::SubOctave, 0, 0}; }
    static constexpr ConsoleCommand tremulant(Manual manual) {
        return {CommandKind::Tremulant, static_cast<int>(manual), 0};
    }
    static constexpr ConsoleCommand nextThruBody() { return {CommandKind::NextThruBody, 0, 0}; }
    static constexpr ConsoleCommand listStep(SettingList list, int step) {
        return {CommandKind::ListStep, static_cast<int>(list), step};
    }
    static constexpr ConsoleCommand panic() { return {CommandKind::Panic, 0, 0}; }
    static constexpr ConsoleCommand reset() { return {CommandKind::Reset, 0, 0}; }

    friend constexpr bool operator==(const ConsoleCommand&, const ConsoleCommand&) = default;
};

} // namespace vorlo
