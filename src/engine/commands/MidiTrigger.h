#pragma once

#include <QString>
#include <cstdint>

namespace vorlo {

// A message from a keyboard that the player bound to a command: which keyboard (input 1 or 2),
// which kind of message, on which channel, and which key, controller or program.
struct MidiTrigger {
    enum class Type : uint8_t { Note, Controller, Program };

    int input = 1; // 1..2
    Type type = Type::Note;
    int channel = 0; // 0..15, as the keyboard sends it (before any rechannelling)
    int number = 0;  // key, controller or program, 0..127

    // "Keyboard 1, key C2 (36), channel 1" and the like, for the player.
    QString describe() const;

    friend constexpr bool operator==(const MidiTrigger&, const MidiTrigger&) = default;
};

} // namespace vorlo
