#pragma once

class QString;

namespace vorlo {

enum class DivisionId;
enum class StopFamily;

// How a free memory's indicator is shown: not the memory in use, switched off with all the
// others, the memory recalled or stored, or that memory once the registration changed.
enum class MemoryLight { Unlit, Dark, Lit, Changed };

// The Advanced window's lists: temperament, its start note, reverb and tremolo type.
enum class SettingList : int { Temperament, TemperamentStart, Reverb, TremoloType };

// A button lit while its action runs: cancel-all, and clearing the free memories.
enum class ConsoleAction { CancelAll, ClearFreeMemories };

// The visible steps of the console's reset: started, every slot back to its start, the menus'
// check marks given the settings, and finished.
enum class ResetStep { Started, SlotsCleared, MenusShown, Finished };

// What the organ announces after it changed the console state, so that it computes and sends
// without painting. Any number of listeners follow it through ConsoleEvents (the panel, and a
// status light, a recorder or a remote alike); a listener only shows what it is told and never
// changes the console state in answer. Every announcement has an empty default, so a listener
// overrides only what it follows.
class ConsoleListener {
public:
    virtual ~ConsoleListener() = default;
    // The registration in force changed (it may no longer match the memory last recalled).
    virtual void registrationChanged() {}
    // The live thru body may have changed.
    virtual void thruBodyChanged() {}
    // A stop group's position moved from one row to another (-1: none). group is the panel's
    // column (Fondi, Mutazioni, Ance/Archi, Pedale).
    virtual void drawstopMoved(DivisionId /*division*/, int /*group*/, int /*from*/, int /*to*/) {}
    // A manual's family balance as the update brought it in force.
    virtual void balanceShown(DivisionId /*division*/, StopFamily /*family*/, int /*value*/) {}
    // A division's level and a family balance as sent.
    virtual void levelSent(DivisionId /*division*/, int /*value*/) {}
    virtual void balanceSent(DivisionId /*division*/, StopFamily /*family*/, int /*value*/) {}
    // A manual's tremulant as sent.
    virtual void tremulantShown(DivisionId /*division*/, bool /*on*/) {}
    // The couplers in force: 0 none, 1 the first of the pair, 2 the second.
    virtual void pedalCouplerShown(int /*value*/) {}
    virtual void manualCouplerShown(int /*value*/) {}
    // A family's cancel: sounding, or muted.
    virtual void cancelShown(DivisionId /*division*/, StopFamily /*family*/, bool /*sounding*/) {}
    virtual void subOctaveShown(bool /*on*/) {}
    // The MIDI devices changed: the lists were scanned, a port's device was chosen, or the
    // ports were opened or closed.
    virtual void devicesChanged() {}
    // The fixed memories' ladder lit from its first step up to step `steps` (0: dark).
    virtual void ladderShown(int /*steps*/) {}
    // Free memory i (1..12) as the given light.
    virtual void freeMemoryShown(int /*i*/, MemoryLight /*light*/) {}
    // The memory indicators switched between labels and LEDs (MemoryLedsShown); all are dark.
    virtual void memoryDisplayShown() {}
    // The memory labels follow MemoryLabelMode.
    virtual void memoryLabelsShown() {}
    // REC armed: the next memory chosen stores the registration instead of recalling.
    virtual void recArmedShown(bool /*armed*/) {}
    // Temporary buffer index (0, 1) holds a stored registration.
    virtual void bufferShown(int /*index*/, bool /*stored*/) {}
    // An action started (running) or finished.
    virtual void actionShown(ConsoleAction /*action*/, bool /*running*/) {}
    // The thru mode or its custom channels changed (ThruMode, ThruCustom).
    virtual void thruModeShown() {}
    // The body (0..2) whose channel the thru mode learns next.
    virtual void thruLearningShown(int /*body*/) {}
    // The Advanced window's values changed in the state (levels, balances, global coupling,
    // recall options, temperament, start note, reverb, tremolo type and rate).
    virtual void settingsShown() {}
    // Saving the configuration at the end of the program: on or off.
    virtual void saveOnExitShown(bool /*on*/) {}
    // A stops table came in force (names, data) with the program's title.
    virtual void stopTableLoaded() {}
    // A step of the console's reset.
    virtual void resetShown(ResetStep /*step*/) {}
    // The graphic panel's knobs at the positions slot holds go back to "off".
    virtual void knobsReleased(int /*slot*/) {}
    // A division's level as set (within its range), before it is sent.
    virtual void levelShown(DivisionId /*division*/, int /*value*/) {}
    // The tremolo rate as set.
    virtual void tremoloRateShown(int /*rate*/) {}
    // The entry chosen in one of the Advanced window's lists (-1: none).
    virtual void settingChosen(SettingList /*list*/, int /*index*/) {}
    // Channel learning heard a note on this input channel (0..15) for thru body 0..2.
    virtual void thruChannelLearned(int /*body*/, int /*channel*/) {}
    // The global coupling of the levels: 0 none, 1 the manuals, 2 every division.
    virtual void globalCouplingShown(int /*coupling*/) {}
    // A recall option (0 the levels, 1 the balances) as set, 0 or 1.
    virtual void recallOptionShown(int /*option*/, int /*value*/) {}
    // The device lists were read afresh from the MIDI system.
    virtual void deviceListRead() {}
    // Something the player should know about the devices, that asks nothing of them (a device
    // found at another place, gone, back; the MIDI system stopped or back).
    virtual void deviceNotice(const QString& /*text*/) {}
    // The bank whose memories are the free memories shown (BankShown) changed, or the memory
    // sequence moved within it (BankMemory).
    virtual void bankShown(int /*bank*/, int /*memory*/) {}
    // The crescendo pedal's stage in force (0: the drawn registration).
    virtual void crescendoShown(int /*stage*/) {}
    // The transposition the player's notes sound at, in semitones (-12..+12; 0 as played).
    virtual void transpositionShown(int /*semitones*/) {}
    // Whether a registration change can be undone, and one undone can be done again.
    virtual void historyShown(bool /*canUndo*/, bool /*canRedo*/) {}
};

} // namespace vorlo
