#include "Panic.h"

#include "MidiConstants.h"
#include "core/Console.h"
#include "panel/PanelState.h"

namespace vorlo {

Panic::Panic(Console& console) : console_(console) {
    console_.mainForm()("Panic").onClick = [this] { Panic_Click(); };
}

void Panic::Panic_Click() {
    // Twice per division channel, in case the first one is lost.
    for (int channel : {midi::GreatChannel, midi::SwellChannel, midi::PedalChannel}) {
        const uint8_t status = midi::status(midi::ControlChange, channel);
        console_.MIDIOutput1().sendShort(status, midi::CcAllNotesOff, 0);
        console_.MIDIOutput1().sendShort(status, midi::CcAllNotesOff, 0);
    }
}

} // namespace vorlo
