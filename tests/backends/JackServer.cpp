#include "JackServer.h"

#include <RtMidi.h>

#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace vorlo::test {
namespace {

JackServer* currentServer = nullptr;

constexpr int kStartTimeoutMs = 5000;
constexpr int kPollIntervalMs = 50;
constexpr int kStopTimeoutMs = 3000;
const QStringList kDriverArguments = {QStringLiteral("-d"), QStringLiteral("dummy"),
                                      QStringLiteral("-r"), QStringLiteral("48000"),
                                      QStringLiteral("-p"), QStringLiteral("256")};

void noteFailure(RtMidiError::Type type, const std::string&, void* failed) {
    if (type != RtMidiError::DEBUG_WARNING)
        *static_cast<bool*>(failed) = true;
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
    // -r: no real-time scheduling, which needs privileges the tests do not have.
    process_.setArguments(QStringList{QStringLiteral("-n"), name_, QStringLiteral("-r")} +
                          kDriverArguments);
    process_.setProcessChannelMode(QProcess::MergedChannels);
#ifdef Q_OS_LINUX
    // Never outlive a test program that crashed.
    process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
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
        if (process_.state() != QProcess::Running)
            break;
        if (clientCanConnect()) {
            state_ = State::Running;
            return true;
        }
    }
    state_ = State::Failed;
    problem_ = QStringLiteral("the JACK server \"%1\" did not come up:\n%2")
                   .arg(name_, QString::fromLocal8Bit(process_.readAll()));
    stop();
    return false;
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
