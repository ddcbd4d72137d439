#pragma once

#include "StopTable.h"

#include <QString>
#include <optional>

namespace vorlo::datgen {

// A stops table as plain text, for organists comparing tables, and back.
//
// Every non-empty entry is one "entry <index> <length> <kind>" line. Names and flags are
// "text" with the name in double quotes (\" and \\ inside); system-exclusive data is "sysex"
// followed by one message a line in hexadecimal with a description after ';'; anything else is
// "bytes", sixteen to a line. Lines starting with '#' are comments. Reading the text back gives
// the same table byte for byte.
class DatDump {
public:
    static QString toText(const StopTable& table, const QString& title);
    // Fails with the line number and the reason on anything it cannot read.
    static std::optional<StopTable> fromText(const QString& text, QString* error);
};

} // namespace vorlo::datgen
