#pragma once

#include "ConsoleListener.h"
#include "Couplers.h"
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

// The Advanced window's recall check boxes: whether a free memory's recall also restores the
// three levels (Globals) and the six balances (Balance).
enum class RecallOption : int { Globals, Balance };

// Everything a player or a device can ask of the console, whichever way the request arrives
// (panel buttons, the Advanced window, computer keys, MIDI keys after a switch event, the
// keyboards' pedals and wheels).
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
    SetLevel,           // a: DivisionId, b: level (kept within kLevelMin..kLevelMax)
    SetBalance,         // a: Manual, b: StopFamily, c: balance (kBalanceMin..kBalanceMax)
    SetGlobalCoupling,  // a: 0 none, 1 the manuals, 2 every division
    SetRecallOption,    // a: RecallOption, b: 0/1
    ChooseSetting,      // a: SettingList, b: index of the entry (sent even if unchanged)
    SetTremoloRate,     // a: rate 0..127
    RecallMemory,       // a: memory 1..24, recalled whether or not REC is armed
    StoreMemory,        // a: memory 1..24, stored into (a fixed memory is never stored)
    SustainPedal,       // a: pedal value; 127 arms the switch event, 0 while armed is panic
    SwitchEventKey,     // a: key; with the switch event armed, the key is a command
    ProgramChange,      // a: program p, the command key p + 36
    ExpressionPedal,    // a: input 1..2, b: division channel 1..3, c: controller value 0..127
    BendSwitch,         // a: input 1..2, b: division channel 1..3, c: wheel MSB 0..127
    SequenceNext,       // recalls the next stored free memory, on into the following banks
    SequencePrevious,   // recalls the previous stored free memory, back into earlier banks
    StepBank,           // a: step (-1 previous, +1 next bank), not past bank 1 or the last
    ShowBank,           // a: bank 1..100 whose memories become the free memories shown
    CrescendoPedal,     // a: pedal value 0..127, the crescendo stage from heel to toe
    StepCrescendo,      // a: step (-1, +1) of the crescendo stage, within 0..20
    StoreCrescendo,     // the crescendo stage in force takes the registration in force
    TransposeStep,      // a: semitones to move the transposition by (-1 down, +1 up)
    SetTransposition,   // a: semitones -12..+12 (kept within)
    UndoRegistration,   // brings back the registration before its last change
    RedoRegistration,   // does the last change undone again
};

// One request of the player, as a value: a kind and up to two small arguments whose meaning
// the kind gives. Build one with the named constructors.
struct ConsoleCommand {
    CommandKind kind = CommandKind::Panic;
    int a = 0;
    int b = 0;
    int c = 0;

    static constexpr ConsoleCommand drawStop(StopGroupCode group, int position) {
        return {CommandKind::DrawStop, static_cast<int>(group), position, 0};
    }
    static constexpr ConsoleCommand selectRecallTarget(StopGroupCode group) {
        return {CommandKind::SelectRecallTarget, static_cast<int>(group), 0, 0};
    }
    static constexpr ConsoleCommand stepRecallTarget(int step) {
        return {CommandKind::StepRecallTarget, step, 0, 0};
    }
    static constexpr ConsoleCommand drawRecallTarget(int position) {
        return {CommandKind::DrawRecallTarget, position, 0, 0};
    }
    static constexpr ConsoleCommand cancel(Manual manual, int family) {
        return {CommandKind::Cancel, static_cast<int>(manual), family, 0};
    }
    static constexpr ConsoleCommand cancelAll() { return {CommandKind::CancelAll, 0, 0, 0}; }
    // Memory number: 1..12 free, 13..24 fixed.
    static constexpr ConsoleCommand memory(int number) {
        return {CommandKind::Memory, number, 0, 0};
    }
    static constexpr ConsoleCommand freeMemory(int i) { return memory(i); }
    static constexpr ConsoleCommand fixedMemory(int i) { return memory(12 + i); }
    static constexpr ConsoleCommand toggleRec() { return {CommandKind::ToggleRec, 0, 0, 0}; }
    static constexpr ConsoleCommand storeBuffer(int index) {
        return {CommandKind::StoreBuffer, index, 0, 0};
    }
    static constexpr ConsoleCommand loadBuffer(int index) {
        return {CommandKind::LoadBuffer, index, 0, 0};
    }
    static constexpr ConsoleCommand clearFreeMemories() {
        return {CommandKind::ClearFreeMemories, 0, 0, 0};
    }
    static constexpr ConsoleCommand coupler(Coupler which) {
        return {CommandKind::Coupler, static_cast<int>(which), 0, 0};
    }
    static constexpr ConsoleCommand subOctave() { return {CommandKind::SubOctave, 0, 0, 0}; }
    static constexpr ConsoleCommand tremulant(Manual manual) {
        return {CommandKind::Tremulant, static_cast<int>(manual), 0, 0};
    }
    static constexpr ConsoleCommand nextThruBody() { return {CommandKind::NextThruBody, 0, 0, 0}; }
    static constexpr ConsoleCommand listStep(SettingList list, int step) {
        return {CommandKind::ListStep, static_cast<int>(list), step, 0};
    }
    static constexpr ConsoleCommand panic() { return {CommandKind::Panic, 0, 0, 0}; }
    static constexpr ConsoleCommand reset() { return {CommandKind::Reset, 0, 0, 0}; }
    static constexpr ConsoleCommand setLevel(DivisionId division, int level) {
        return {CommandKind::SetLevel, static_cast<int>(division), level, 0};
    }
    static constexpr ConsoleCommand setBalance(Manual manual, StopFamily family, int balance) {
        return {CommandKind::SetBalance, static_cast<int>(manual), static_cast<int>(family),
                balance};
    }
    static constexpr ConsoleCommand setGlobalCoupling(int coupling) {
        return {CommandKind::SetGlobalCoupling, coupling, 0, 0};
    }
    static constexpr ConsoleCommand setRecallOption(RecallOption option, int value) {
        return {CommandKind::SetRecallOption, static_cast<int>(option), value, 0};
    }
    static constexpr ConsoleCommand chooseSetting(SettingList list, int index) {
        return {CommandKind::ChooseSetting, static_cast<int>(list), index, 0};
    }
    static constexpr ConsoleCommand setTremoloRate(int rate) {
        return {CommandKind::SetTremoloRate, rate, 0, 0};
    }
    static constexpr ConsoleCommand recallMemory(int number) {
        return {CommandKind::RecallMemory, number, 0, 0};
    }
    static constexpr ConsoleCommand storeMemory(int number) {
        return {CommandKind::StoreMemory, number, 0, 0};
    }
    static constexpr ConsoleCommand sustainPedal(int value) {
        return {CommandKind::SustainPedal, value, 0, 0};
    }
    static constexpr ConsoleCommand switchEventKey(int key) {
        return {CommandKind::SwitchEventKey, key, 0, 0};
    }
    static constexpr ConsoleCommand programChange(int program) {
        return {CommandKind::ProgramChange, program, 0, 0};
    }
    static constexpr ConsoleCommand expressionPedal(int input, int channel, int value) {
        return {CommandKind::ExpressionPedal, input, channel, value};
    }
    static constexpr ConsoleCommand bendSwitch(int input, int channel, int wheel) {
        return {CommandKind::BendSwitch, input, channel, wheel};
    }
    static constexpr ConsoleCommand sequenceNext() { return {CommandKind::SequenceNext, 0, 0, 0}; }
    static constexpr ConsoleCommand sequencePrevious() {
        return {CommandKind::SequencePrevious, 0, 0, 0};
    }
    static constexpr ConsoleCommand stepBank(int step) {
        return {CommandKind::StepBank, step, 0, 0};
    }
    static constexpr ConsoleCommand showBank(int bank) {
        return {CommandKind::ShowBank, bank, 0, 0};
    }
    static constexpr ConsoleCommand crescendoPedal(int value) {
        return {CommandKind::CrescendoPedal, value, 0, 0};
    }
    static constexpr ConsoleCommand stepCrescendo(int step) {
        return {CommandKind::StepCrescendo, step, 0, 0};
    }
    static constexpr ConsoleCommand storeCrescendo() {
        return {CommandKind::StoreCrescendo, 0, 0, 0};
    }
    static constexpr ConsoleCommand transposeStep(int step) {
        return {CommandKind::TransposeStep, step, 0, 0};
    }
    static constexpr ConsoleCommand setTransposition(int semitones) {
        return {CommandKind::SetTransposition, semitones, 0, 0};
    }
    static constexpr ConsoleCommand undoRegistration() {
        return {CommandKind::UndoRegistration, 0, 0, 0};
    }
    static constexpr ConsoleCommand redoRegistration() {
        return {CommandKind::RedoRegistration, 0, 0, 0};
    }

    friend constexpr bool operator==(const ConsoleCommand&, const ConsoleCommand&) = default;
};

} // namespace vorlo
