#pragma once

namespace vorlo {

enum class DivisionId;
enum class StopFamily;

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
};

} // namespace vorlo
