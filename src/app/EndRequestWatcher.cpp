#include "EndRequestWatcher.h"

#include <QGuiApplication>
#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#elif defined(Q_OS_WIN)
#include <QPointer>
#include <atomic>
#include <windows.h>
#endif

namespace vorlo {
namespace {

#if defined(Q_OS_UNIX)

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
// [0] is written by the handler, [1] read by the event loop.
int signalSockets[2] = {-1, -1};
struct sigaction previous[3];

// Runs on whatever thread the system picks: only async-signal-safe calls here.
void onSignal(int number) {
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const auto n = ::write(signalSockets[0], &byte, 1);
    errno = saved;
}

QString signalName(int number) {
    switch (number) {
    case SIGTERM:
        return QStringLiteral("SIGTERM");
    case SIGHUP:
        return QStringLiteral("SIGHUP");
    case SIGINT:
        return QStringLiteral("SIGINT");
    default:
        return QStringLiteral("signal %1").arg(number);
    }
}

#elif defined(Q_OS_WIN)

QPointer<EndRequestWatcher> current;
std::atomic<bool> ended{false};

// Runs on a thread of its own. Windows ends the process when the handler of a close, log-off
// or shut-down event returns, so it waits (within the few seconds Windows gives) until the
// program has ended in order.
BOOL WINAPI onControlEvent(DWORD type) {
    if (!current)
        return FALSE;
    QMetaObject::invokeMethod(current.data(), "sessionEnding", Qt::QueuedConnection);
    if (type == CTRL_CLOSE_EVENT || type == CTRL_LOGOFF_EVENT || type == CTRL_SHUTDOWN_EVENT) {
        for (int waited = 0; waited < 4500 && !ended.load(); waited += 50)
            ::Sleep(50);
    }
    return TRUE;
}

#endif

} // namespace

EndRequestWatcher::EndRequestWatcher(QObject* parent) : QObject(parent) {
#if defined(Q_OS_UNIX)
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSockets) == 0) {
        for (int fd : signalSockets) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &EndRequestWatcher::readSignals);
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART | SA_RESETHAND;
        for (int i = 0; i < 3; ++i)
            ::sigaction(kSignals[i], &action, &previous[i]);
    }
#elif defined(Q_OS_WIN)
    current = this;
    ::SetConsoleCtrlHandler(onControlEvent, TRUE);
#endif
#if QT_CONFIG(sessionmanager)
    // The session manager waits for the answer: connected directly, not queued.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(
            app, &QGuiApplication::commitDataRequest, this, [this] { sessionEnding(); },
            Qt::DirectConnection);
#endif
}

EndRequestWatcher::~EndRequestWatcher() {
#if defined(Q_OS_UNIX)
    if (notifier_) {
        for (int i = 0; i < 3; ++i)
            ::sigaction(kSignals[i], &previous[i], nullptr);
        delete notifier_;
        for (int& fd : signalSockets) {
            ::close(fd);
            fd = -1;
        }
    }
#elif defined(Q_OS_WIN)
    ::SetConsoleCtrlHandler(onControlEvent, FALSE);
    current = nullptr;
#endif
}

void EndRequestWatcher::markEnded() {
#if defined(Q_OS_WIN)
    ended.store(true);
#endif
}

void EndRequestWatcher::readSignals() {
#if defined(Q_OS_UNIX)
    char numbers[16];
    qsizetype n;
    while ((n = ::read(signalSockets[1], numbers, sizeof numbers)) > 0) {
        for (qsizetype i = 0; i < n; ++i)
            request(signalName(numbers[i]));
    }
#endif
}

void EndRequestWatcher::sessionEnding() {
    request(QStringLiteral("session end"));
}

void EndRequestWatcher::request(const QString& what) {
    if (requested_)
        return;
    requested_ = true;
    emit endRequested(what);
}

} // namespace vorlo
