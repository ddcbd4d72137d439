#pragma once

#include "OrganLayout.h"
#include "OrganModel.h"
#include "stops_table/StopTable.h"

#include <QByteArray>

namespace vorlo::datgen {

// Writes the stops table of an organ.
//
// How the module is set up (the reasons behind every entry):
// - Levels. Each organ part plays with velocity sense depth 0, so the keyboard's touch does not
//   change the sound, as on a pipe organ; the velocity sense offset then fixes the velocity the
//   part plays at, and that is how a stop sets the loudness of each of its ranks.
// - Closed parts. A family part that the drawn stop does not use, and every part of a group at
//   position 0, gets the key range 7F..7F (only the topmost MIDI note, which no organ keyboard
//   sends) and velocity 0: it starts no voice. A note still held on it ends normally at its
//   note-off.
// - Mute and restore act on the part level alone (0, then back to the voicing's level), which no
//   stop entry touches: a stop drawn while its family is muted stays silent until the restore,
//   and the restore brings back whatever stop is drawn. Muting silences held notes at once.
// - Balances. The console sends controller 7, 8 or 9 as 127 minus the Fondi, Mutazioni or
//   Ance/Archi balance. Each family's parts take that controller as their assignable controller
//   CC1 with an amplitude control of -100 %: value 0 leaves the family at full level, 127 silences
//   it. Volume reception is off on every organ part so that controller 7 does not also act as
//   plain volume. Controller 11 (expression) stays the division level, as GS has it.
// - Tremolo. Controller 1 (modulation) is the tremolo: the tremulant entries set how deep the
//   modulation wheel's LFO1 moves pitch and amplitude and how much it speeds the LFO up.
class OrganBuilder {
public:
    static StopTable build(const OrganModel& organ);

private:
    explicit OrganBuilder(const OrganModel& organ) : organ_(organ) {}

    QByteArray moduleSetUp(int firstPart, int lastPart) const;
    QByteArray reinforcementTones() const;
    QByteArray stop(OrganLayout::Division division, OrganLayout::Family family, int position) const;
    QByteArray reinforcement(OrganLayout::Division manual, bool on) const;
    QByteArray tremulant(OrganLayout::Division manual, const OrganModel::Tremulant& t) const;
    QByteArray familyLevel(OrganLayout::Division manual, OrganLayout::Family family,
                           bool sounding) const;

    QByteArray openRank(int part, const OrganModel::Rank& rank) const;
    QByteArray closePart(int part) const;
    QByteArray part(int part, uint8_t parameter, uint8_t value) const;

    const OrganModel& organ_;
};

} // namespace vorlo::datgen
