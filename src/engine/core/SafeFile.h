#pragma once

#include <QByteArray>
#include <QString>

namespace vorlo {

class SafeFile {
public:
    // Writes the bytes to a temporary file beside the target and renames it over the target
    // only when every byte reached the disk. On failure the old file is untouched and error
    // says why.
    static bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);
};

} // namespace vorlo
