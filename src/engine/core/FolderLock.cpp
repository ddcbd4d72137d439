#include "FolderLock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace vorlo {
namespace {

// A lock file that names no process is taken over once it is this old: it was left by a
// process that ended while writing it, not by one that is writing it now.
constexpr qint64 kUnreadableLockAgeMs = 10000;

} // namespace

FolderLock::FolderLock(const QString& folder)
    : path_(QDir(folder).filePath(FileName)), lock_(path_) {
    // A lock is stale only when the process it names is gone, never merely because it is
    // old: a console runs for hours.
    lock_.setStaleLockTime(0);
}

FolderLock::Result FolderLock::take() {
    if (lock_.tryLock(0))
        return Result::Taken;
    if (lock_.error() != QLockFile::LockFailedError)
        return Result::NotPossible;
    qint64 pid = 0;
    QString host;
    QString app;
    const qint64 age = QFileInfo(path_).lastModified().msecsTo(QDateTime::currentDateTime());
    if (!lock_.getLockInfo(&pid, &host, &app) && age > kUnreadableLockAgeMs &&
        lock_.removeStaleLockFile() && lock_.tryLock(0))
        return Result::Taken;
    return Result::HeldByAnother;
}

QString FolderLock::holder() const {
    qint64 pid = 0;
    QString host;
    QString app;
    if (!lock_.getLockInfo(&pid, &host, &app))
        return QStringLiteral("a process that cannot be named");
    return host.isEmpty() ? QStringLiteral("process %1").arg(pid)
                          : QStringLiteral("process %1 on %2").arg(pid).arg(host);
}

} // namespace vorlo
