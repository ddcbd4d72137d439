#pragma once

#include <QByteArray>
#include <QString>

namespace vorlo {

class SafeFile {
public:
    // Writes the bytes to a temporary file beside the target, pushes them to the disk, checks
    // that the disk holds all of them, and only then renames the temporary file over the
    // target. Any failure on the way (a full or read-only disk, a folder that cannot be
    // written) removes the temporary file, leaves the old file untouched and returns false
    // with the reason in error.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};

} // namespace vorlo
