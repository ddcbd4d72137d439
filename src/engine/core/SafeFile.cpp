#include "SafeFile.h"

#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace vorlo {
namespace {

// Pushes the file's data from the system's cache to the disk, so that a disk that can take no
// more says so now rather than after the rename.
bool syncToDisk(QSaveFile& file, QString* error) {
    const int fd = file.handle();
    if (fd < 0)
        return true;
#if defined(Q_OS_WIN)
    const bool ok = ::_commit(fd) == 0;
#elif defined(Q_OS_MACOS)
    // fsync leaves the data in the drive's cache on macOS; F_FULLFSYNC does not.
    const bool ok = ::fcntl(fd, F_FULLFSYNC) == 0 || ::fsync(fd) == 0;
#else
    const bool ok = ::fsync(fd) == 0;
#endif
    if (!ok && error)
        *error = QString::fromLocal8Bit(std::strerror(errno));
    return ok;
}

} // namespace

bool SafeFile::write(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Never write over the target in place, even where no temporary file can be made beside it.
    file.setDirectWriteFallback(false);
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // Every step is checked here: commit() alone renames the temporary file over the target
    // even when the last of the buffered bytes could not be written (a full disk), leaving an
    // empty or cut-short file where the old one was.
    if (file.write(bytes) != bytes.size() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file.errorString());
    QString syncError;
    if (!syncToDisk(file, &syncError))
        return fail(syncError);
    // What the disk holds of the temporary file, not what was handed to it.
    if (file.size() != bytes.size())
        return fail(
            QStringLiteral("only %1 of %2 bytes were written").arg(file.size()).arg(bytes.size()));
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QFileInfo written(path);
    if (written.size() != bytes.size()) {
        if (error)
            *error = QStringLiteral("the file holds %1 bytes after writing %2")
                         .arg(written.size())
                         .arg(bytes.size());
        return false;
    }
    return true;
}

} // namespace vorlo
