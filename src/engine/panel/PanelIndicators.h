#pragma once

namespace vorlo {

enum class DivisionId;
enum class StopFamily;

// What the procedures that talk to the module tell the panel after they changed the
// registration in force, so that they compute and send without painting. The console wires it
// to the panel's drawstops, buttons, sliders, memory LEDs and thru button.
class PanelIndicators {
public:
    virtual ~PanelIndicators() = default;
    // The registration in force no longer matches the memory last recalled: its LED turns
    // yellow (when the memory LEDs are shown).
    virtual void registrationChanged() = 0;
    // The live thru body may have changed: its button shows it again.
    virtual void thruBodyChanged() = 0;
    // A stop group's position moved from one row to another (-1: none): the old drawstop goes
    // dark, the new one lights. group is the panel's column (Fondi, Mutazioni, Ance/Archi,
    // Pedale).
    virtual void drawstopMoved(DivisionId division, int group, int from, int to) = 0;
    // A manual's family balance slider moved by the update.
    virtual void balanceShown(DivisionId division, StopFamily family, int value) = 0;
    // The figures under the sliders: a division's level and a family balance as sent.
    virtual void levelSent(DivisionId division, int value) = 0;
    virtual void balanceSent(DivisionId division, StopFamily family, int value) = 0;
    // A manual's tremulant as sent.
    virtual void tremulantShown(DivisionId division, bool on) = 0;
    // The couplers in force: 0 none, 1 the first of the pair, 2 the second.
    virtual void pedalCouplerShown(int value) = 0;
    virtual void manualCouplerShown(int value) = 0;
    // A family's cancel: sounding, or muted.
    virtual void cancelShown(DivisionId division, StopFamily family, bool sounding) = 0;
    virtual void subOctaveShown(bool on) = 0;
};

} // namespace vorlo
