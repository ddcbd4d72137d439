#pragma once

#include <QByteArray>
#include <QString>

namespace vorlo::cp1252 {

// Text files of the console (configuration, memory files, stop names) are single-byte
// Windows-1252 text. Bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in that code
// page; they map to the control characters of the same value, so every byte survives a round
// trip.
QString decode(const QByteArray& bytes);

// Characters outside the code page become '?'.
QByteArray encode(const QString& text);

} // namespace vorlo::cp1252
