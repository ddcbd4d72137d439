#include "FolderLock.h"
#include "RecoveryCopy.h"
#include "support/ConsoleFixture.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QMap>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace vorlo;
using namespace vorlo::test;

namespace {

#ifdef Q_OS_UNIX
// Another process holding the program folder's lock, until it is killed.
class LockHolder {
public:
    explicit LockHolder(const QString& lockPath) {
        int ready[2];
        if (::pipe(ready) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            QLockFile lock(lockPath);
            const char taken = lock.tryLock(0) ? 'y' : 'n';
            [[maybe_unused]] const auto n = ::write(ready[1], &taken, 1);
            for (;;)
                ::pause();
        }
        char taken = 'n';
        holds_ = pid_ > 0 && ::read(ready[0], &taken, 1) == 1 && taken == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~LockHolder() { kill(); }
    bool holds() const { return holds_; }
    qint64 pid() const { return pid_; }
    // Ends it as a crash would, leaving its lock file behind.
    void kill() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool holds_ = false;
};
#endif

class OneConsolePerFolder : public ConsoleFixture {
protected:
    // Every file of the program folder with its bytes.
    QMap<QString, QByteArray> folder() {
        QMap<QString, QByteArray> out;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            QFile f(appFile(name));
            out[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
        }
        return out;
    }
};

} // namespace

TEST_F(OneConsolePerFolder, ASecondConsoleEndsUntouchedAndACrashedOnesLockDoesNotCount) {
#ifndef Q_OS_UNIX
    GTEST_SKIP() << "the other console is a forked process";
#else
    writeTable(markerTable());
    writeConfig([](ConsoleState& s) { s.SaveCfgOnExit = 1; });
    // The running console's recovery copy of its unsaved memories.
    QFile copy(appFile(QString::fromLatin1(RecoveryCopy::FileName)));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write("the running console's memories\r\n");
    copy.close();
    LockHolder running(appFile(QString::fromLatin1(FolderLock::FileName)));
    ASSERT_TRUE(running.holds());
    const QMap<QString, QByteArray> before = folder();

    makeConsole();
    console->Form_Load();
    settle();
    EXPECT_TRUE(console->hasEnded());
    EXPECT_FALSE(console->isStarted());
    ASSERT_EQ(dialogs.messages.size(), 1u) << dialogs.messageTexts().join('|').toStdString();
    EXPECT_TRUE(dialogs.messages[0].text.contains(
        QStringLiteral("Vorlo2000 is already running from this folder")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QString::number(running.pid())));
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "the recovery copy is not offered";
    EXPECT_TRUE(midi->takeLog().isEmpty()) << "nothing is sent to the module";
    console->exit_Click();
    console.reset();
    EXPECT_EQ(folder(), before) << "no file written, moved or removed";

    // The running console crashes: its lock is left behind and no longer counts.
    running.kill();
    dialogs.messages.clear();
    start();
    EXPECT_TRUE(console->isStarted());
    EXPECT_TRUE(dialogs.messageTexts().filter(QStringLiteral("already running")).isEmpty());
    QLockFile other(appFile(QString::fromLatin1(FolderLock::FileName)));
    other.setStaleLockTime(0);
    EXPECT_FALSE(other.tryLock(0)) << "the console holds the folder while it runs";
#endif
}
