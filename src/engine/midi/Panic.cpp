#include "Panic.h"

#include "MidiConstants.h"
#include "core/Console.h"
#include "panel/MainWindowControls.h"
#include "panel/PanelState.h"

namespace vorlo {

Panic::Panic(Console& console) : console_(console) {
    console_.mainForm()(ctl::main::Panic).onClick = [this] { Panic_Click(); };
}

void Panic::Panic_Click() {
    // Twice per division channel, in case the first one is lost; on the player's stream, so
    // they go out ahead of the console's messages still waiting for the cable.
    for (int channel : {midi::GreatChannel, midi::SwellChannel, midi::PedalChannel}) {
        const uint8_t status = midi::status(midi::ControlChange, channel);
        console_.playerOutput().sendShort(status, midi::CcAllNotesOff, 0);
        console_.playerOutput().sendShort(status, midi::CcAllNotesOff, 0);
    }
}

} // namespace vorlo
