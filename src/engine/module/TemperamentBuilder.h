#pragma once

#include <QByteArray>
#include <array>

namespace vorlo {

// Turns a stored GS scale-tuning message into the 32 messages of a two-port module, one per
// part, with the tuning rotated to start on the chosen note.
class TemperamentBuilder {
public:
    // Returns false (and leaves out untouched) when the stored entry is 2 bytes or shorter.
    // Only the bytes before the first F7 are used; an entry without F7 is used up to its end,
    // and an entry too short to hold twelve offsets is refused as well.
    static bool build(const QByteArray& stored, int startNote, std::array<QByteArray, 33>& out);
};

} // namespace vorlo
