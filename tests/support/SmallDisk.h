#pragma once

#include <QString>
#include <QTemporaryDir>

namespace vorlo::test {

// A small filesystem of its own (a tmpfs mounted in a temporary folder), for tests that need
// a disk that runs full or turns read-only. Mounting needs root on Linux; where it is not
// permitted, mounted() is false and reason() says why, for the test to skip with.
class SmallDisk {
public:
    // Mounts a tmpfs of the given size on a new temporary folder.
    explicit SmallDisk(int kiloBytes = 256);
    // Mounts it on an existing, empty folder instead.
    SmallDisk(const QString& folder, int kiloBytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const QString& reason() const { return reason_; }
    const QString& path() const { return path_; }
    QString file(const QString& name) const;

    // Writes a filler file until not one more byte fits.
    void fill();
    // Takes the filler away again.
    void makeRoom();
    bool remountReadOnly();
    // Unmounts now (whatever is still open on it lets go later).
    void unmount();

private:
    void mount(int kiloBytes);

    QTemporaryDir own_;
    QString path_;
    bool mounted_ = false;
    QString reason_;
};

} // namespace vorlo::test
