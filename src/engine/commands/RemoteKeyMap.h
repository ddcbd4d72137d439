#pragma once

#include "ConsoleCommand.h"

namespace vorlo {

// What a key of the MIDI keyboards does after a switch event (outside the memory keys, which
// the input handlers recall themselves), and whether the switch event stays armed after it so
// that the player can go on with the next key.
struct RemoteKey {
    ConsoleCommand command;
    bool keepsArmed = false;
};

// Every key number has a meaning: a key outside the map silences the notes and ends the
// command.
RemoteKey remoteKey(int key);

} // namespace vorlo
