#pragma once

#include "StopTable.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace vorlo {

// The .dat stops-table file: the 431 entries back to back, each a 16-bit little-endian byte
// count followed by that many bytes. No header and no checksum.
class DatFile {
public:
    struct ReadResult {
        bool ok = false;
        QString error; // why the file could not be read (missing, unreadable)
        // How many of the 431 strings the file holds whole; fewer when it ends early.
        int entriesRead = 0;
        qint64 size = 0; // the file's length in bytes
        bool isShort() const { return entriesRead < StopTable::kEntryCount; }
    };

    // A file shorter than the 431 strings gives empty entries past its end (a string cut by
    // the end keeps the bytes that are there); bytes after the 431st string are ignored.
    // entriesRead, when given, receives how many strings were there whole.
    static StopTable parse(const QByteArray& bytes, int* entriesRead = nullptr);
    static ReadResult read(const QString& path, StopTable& table);

    // Fails (and writes nothing) when an entry is longer than 65535 bytes.
    static std::optional<QByteArray> serialize(const StopTable& table, QString* error = nullptr);
    // Writes through a temporary file renamed over the target: a failed write leaves any old
    // file as it was.
    static bool write(const QString& path, const StopTable& table, QString* error = nullptr);
};

} // namespace vorlo
