#include "DatFile.h"

#include "SafeFile.h"

#include <QFile>

namespace vorlo {

StopTable DatFile::parse(const QByteArray& bytes, int* entriesRead) {
    StopTable table;
    qsizetype pos = 0;
    const qsizetype size = bytes.size();
    int whole = 0;
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        if (pos + 2 > size)
            break;
        const auto lo = static_cast<unsigned char>(bytes[pos]);
        const auto hi = static_cast<unsigned char>(bytes[pos + 1]);
        pos += 2;
        const qsizetype length = lo | (hi << 8);
        const qsizetype available = std::min(length, size - pos);
        table.set(n, bytes.mid(pos, available));
        pos += available;
        if (available == length)
            whole = n + 1;
    }
    if (entriesRead)
        *entriesRead = whole;
    return table;
}

DatFile::ReadResult DatFile::read(const QString& path, StopTable& table) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return {false, path.isEmpty() ? QStringLiteral("no file name") : file.errorString()};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString()};
    ReadResult r{true, {}};
    r.size = bytes.size();
    table = parse(bytes, &r.entriesRead);
    return r;
}

std::optional<QByteArray> DatFile::serialize(const StopTable& table, QString* error) {
    QByteArray out;
    for (int n = 0; n < StopTable::kEntryCount; ++n) {
        const QByteArray& e = table[n];
        if (e.size() > 0xFFFF) {
            if (error)
                *error = QStringLiteral("Entry %1 is %2 bytes long; a stops table entry can hold "
                                        "at most 65535 bytes.")
                             .arg(n)
                             .arg(e.size());
            return std::nullopt;
        }
        out.append(static_cast<char>(e.size() & 0xFF));
        out.append(static_cast<char>((e.size() >> 8) & 0xFF));
        out.append(e);
    }
    return out;
}

bool DatFile::write(const QString& path, const StopTable& table, QString* error) {
    const auto bytes = serialize(table, error);
    if (!bytes)
        return false;
    return SafeFile::write(path, *bytes, error);
}

} // namespace vorlo
