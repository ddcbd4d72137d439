#pragma once

#include <QLockFile>
#include <QString>

namespace vorlo {

// Keeps one console per program folder: two consoles there would write the same
// configuration, memory recovery copy and settings, each over the other's. The lock is a file
// in the folder naming the process that holds it; it goes when that process ends, and a lock
// left by a process that no longer runs (a crash, a power cut) is taken over.
class FolderLock {
public:
    static constexpr const char* FileName = "vorlo2000.lock";

    enum class Result {
        Taken,         // this console holds the folder until the lock is destroyed
        HeldByAnother, // a console that is still running holds it
        NotPossible    // the folder cannot hold a lock (read-only, full): nothing to guard
    };

    explicit FolderLock(const QString& folder);
    Result take();
    // The process that holds the lock, for the player: "process 1234 on organ-pc".
    QString holder() const;

private:
    const QString path_;
    QLockFile lock_;
};

} // namespace vorlo
