#include "JackServer.h"

#include <RtMidi.h>

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace vorlo::test {
namespace {

JackServer* currentServer = nullptr;

constexpr int kStartTimeoutMs = 15000;
constexpr int kPollIntervalMs = 50;
constexpr int kStopTimeoutMs = 10000;
// How long the sign of a finished set-up is waited for before clients are tried anyway, and
// how long the server is left after the sign.
constexpr int kSetUpSignWaitMs = 5000;
constexpr unsigned long kSetUpSettleMs = 100;
const QStringList kDriverArguments = {QStringLiteral("-d"), QStringLiteral("dummy"),
                                      QStringLiteral("-r"), QStringLiteral("48000"),
                                      QStringLiteral("-p"), QStringLiteral("256")};

void noteFailure(RtMidiError::Type type, const std::string&, void* failed) {
    if (type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool*>(failed) = true;
}

// Real-time scheduling needs root or a real-time priority limit (audio group, limits.conf).
bool mayUseRealTime() {
    if (::geteuid() == 0)
        return true;
    struct rlimit limit {};
    return ::getrlimit(RLIMIT_RTPRIO, &limit) == 0 && limit.rlim_cur > 0;
}

} // namespace

JackServer::JackServer(QString name) : name_(std::move(name)) {}

JackServer::~JackServer() {
    stop();
}

JackServer* JackServer::current() {
    return currentServer;
}

void JackServer::setCurrent(JackServer* server) {
    currentServer = server;
}

bool JackServer::clientCanConnect() {
    bool failed = false;
    RtMidiOut client(RtMidi::UNIX_JACK, "vorlo-test-ready");
    client.setErrorCallback(&noteFailure, &failed);
    client.getPortCount(); // a client without a server complains here
    return !failed;
}

bool JackServer::start() {
    if (state_ != State::NotStarted)
        return state_ == State::Running;
    const QString jackd = QStandardPaths::findExecutable(QStringLiteral("jackd"));
    if (jackd.isEmpty()) {
        state_ = State::Missing;
        problem_ = QStringLiteral("jackd is not installed (scripts/setup.sh installs jackd2)");
        return false;
    }
    process_.setProgram(jackd);
    // Real-time scheduling where this user may have it, as a player's server runs: without
    // it, a loaded machine starves the server's and the clients' process threads, JACK drops
    // whole cycles, and a message handed over just before a port closes can be lost.
    process_.setArguments(
        QStringList{QStringLiteral("-n"), name_,
                    mayUseRealTime() ? QStringLiteral("-R") : QStringLiteral("-r")} +
        kDriverArguments);
    // What the server prints goes to a file, never to a pipe: nothing reads a pipe while the
    // test waits inside a JACK call, and a server that reports an error every cycle (as it
    // does for a client that was killed) would block on the full pipe, holding its engine,
    // and the test with it.
    if (!output_.isOpen() && !output_.open()) {
        state_ = State::Failed;
        problem_ = QStringLiteral("no file for jackd's output: %1").arg(output_.errorString());
        return false;
    }
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(output_.fileName());
#ifdef Q_OS_LINUX
    // Never outlive a test program that crashed. The server is asked to end, not killed:
    // JACK keeps a machine-wide table of eight servers, and a killed server's entry is never
    // freed, so a few killed servers would keep every later one from starting.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    process_.start();
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        state_ = State::Failed;
        problem_ = QStringLiteral("jackd did not start: %1").arg(process_.errorString());
        return false;
    }
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired()) {
        QThread::msleep(kPollIntervalMs);
        if (process_.waitForFinished(0) || process_.state() != QProcess::Running)
            break; // jackd ended at once; what it printed says why
        if (!setUpLooksDone(deadline))
            continue;
        if (clientCanConnect()) {
            state_ = State::Running;
            return true;
        }
    }
    state_ = State::Failed;
    problem_ = QStringLiteral("the JACK server \"%1\" did not come up:\n%2")
                   .arg(name_, QString::fromLocal8Bit(output_.readAll()));
    if (problem_.contains(QStringLiteral("Too many servers")))
        problem_ += QStringLiteral("\n(JACK's table holds eight servers, and a server that was "
                                   "killed stays in it: with no jackd running, remove "
                                   "/dev/shm/jack-shm-registry)");
    stop();
    return false;
}

// A client that connects while the server is still setting itself up can crash inside libjack
// (a bus error or a bad read). On Linux the server makes its driver's semaphore file near the
// end of its set-up; until it exists no client is tried. Where it never appears (another JACK
// build), clients are tried after a while all the same.
bool JackServer::setUpLooksDone(const QDeadlineTimer& deadline) {
#ifdef Q_OS_LINUX
    const QString semaphore =
        QStringLiteral("/dev/shm/jack_sem.%1_%2_system").arg(::getuid()).arg(name_);
    if (QFileInfo::exists(semaphore)) {
        if (!sawSetUpDone_) {
            sawSetUpDone_ = true;
            QThread::msleep(kSetUpSettleMs);
        }
        return true;
    }
    return deadline.remainingTime() < kStartTimeoutMs - kSetUpSignWaitMs;
#else
    Q_UNUSED(deadline);
    return true;
#endif
}

bool JackServer::restart() {
    stop();
    if (state_ == State::Missing)
        return false;
    state_ = State::NotStarted;
    sawSetUpDone_ = false;
    return start();
}

void JackServer::stop() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(kStopTimeoutMs)) {
        process_.kill();
        process_.waitForFinished(kStopTimeoutMs);
    }
}

} // namespace vorlo::test
