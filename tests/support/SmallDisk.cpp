#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif

namespace vorlo::test {

SmallDisk::SmallDisk(int kiloBytes) : path_(own_.path()) {
    mount(kiloBytes);
}

SmallDisk::SmallDisk(const QString& folder, int kiloBytes) : path_(folder) {
    mount(kiloBytes);
}

SmallDisk::~SmallDisk() {
    unmount();
}

void SmallDisk::mount(int kiloBytes) {
#ifdef Q_OS_LINUX
    const QByteArray target = QFile::encodeName(path_);
    const QByteArray options = "size=" + QByteArray::number(kiloBytes) + "k";
    if (::mount("tmpfs", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV, options.constData()) ==
        0) {
        mounted_ = true;
        return;
    }
    reason_ = QStringLiteral("a tmpfs cannot be mounted here (%1); it needs root")
                  .arg(QString::fromLocal8Bit(std::strerror(errno)));
#else
    Q_UNUSED(kiloBytes);
    reason_ = QStringLiteral("a small filesystem is mounted on Linux only");
#endif
}

QString SmallDisk::file(const QString& name) const {
    return QDir(path_).filePath(name);
}

void SmallDisk::fill() {
    QFile filler(file(QStringLiteral(".filler")));
    if (!filler.open(QIODevice::Append | QIODevice::Unbuffered))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    // The last, partial page.
    while (filler.write("x", 1) == 1) {
    }
}

void SmallDisk::makeRoom() {
    QFile::remove(file(QStringLiteral(".filler")));
}

bool SmallDisk::remountReadOnly() {
#ifdef Q_OS_LINUX
    const QByteArray target = QFile::encodeName(path_);
    return mounted_ &&
           ::mount(nullptr, target.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
#else
    return false;
#endif
}

void SmallDisk::unmount() {
#ifdef Q_OS_LINUX
    if (mounted_)
        ::umount2(QFile::encodeName(path_).constData(), MNT_DETACH);
#endif
    mounted_ = false;
}

} // namespace vorlo::test
