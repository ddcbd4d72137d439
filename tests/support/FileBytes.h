#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace vorlo::test {

// The bytes of a file; empty when it cannot be read.
inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Writes bytes as the whole of a file; false when it cannot.
inline bool putFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace vorlo::test
