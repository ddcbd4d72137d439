#include "Panic.h"

#include "MidiConstants.h"
#include "MidiOutputPort.h"

namespace vorlo {

Panic::Panic(MidiOutputPort& player) : player_(player) {}

void Panic::allNotesOff() {
    // Twice per division channel, in case the first one is lost; on the player's stream, so
    // they go out ahead of the console's messages still waiting for the cable.
    for (int channel : {midi::GreatChannel, midi::SwellChannel, midi::PedalChannel}) {
        const uint8_t status = midi::status(midi::ControlChange, channel);
        player_.sendShort(status, midi::CcAllNotesOff, 0);
        player_.sendShort(status, midi::CcAllNotesOff, 0);
    }
}

} // namespace vorlo
