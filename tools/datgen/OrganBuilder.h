#pragma once

#include "OrganLayout.h"
#include "OrganModel.h"
#include "StopTable.h"

#include <QByteArray>

namespace vorlo::datgen {

// Writes the stops table of an organ.
//
// How the module is set up (the reasons behind every entry):
// - Levels. Each organ part plays with velocity sense depth 0, so the keyboard's touch does not
//   change the sound, as on a pipe organ; the velocity sense offset then fixes the velocity the
//   part plays at, and that is how a stop sets the loudness of each of its ranks.
// - What every stop shares is set once, by the set-up entries 1..3 that the console sends after
//   every GS reset (entry 0): receive channel and volume, part level, velocity sense depth 0,
//   pan, reverb send, the balance controller, the gentle tremulant, the key range's top (7F)
//   and the reinforcement's sine wave, footage and velocity. A stop entry sends only what tells
//   its ranks apart: tone, key shift, velocity offset and the key range's bottom.
// - Closed parts. A part plays while its key range's bottom is 00 and is closed with the bottom
//   at 7F (only the topmost MIDI note, which no organ keyboard sends): one message, which no
//   mute or restore undoes. A family part that the drawn stop does not use gets just that; the
//   set-up and the cancel (position 0) also set velocity 0, so a closed part there starts no
//   voice at all. A note still held on a part that closes ends normally at its note-off. The
//   reinforcement entries open and close the sine part the same way. Part level 0 would be as
//   cheap but is the mute's: a family's restore would bring an unused part back, playing the
//   rank of an earlier stop.
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
