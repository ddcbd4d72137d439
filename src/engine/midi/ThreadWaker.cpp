#include "ThreadWaker.h"

#include <QMetaObject>
#include <QSocketNotifier>

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <unistd.h>
#endif
#if defined(Q_OS_LINUX)
#include <sys/eventfd.h>
#endif

namespace vorlo {

ThreadWaker::ThreadWaker(std::function<void()> onWake, QObject* parent)
    : QObject(parent), onWake_(std::move(onWake)) {
#if defined(Q_OS_LINUX)
    readFd_ = writeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
#elif defined(Q_OS_UNIX)
    int fds[2];
    if (::pipe(fds) == 0) {
        for (int fd : fds) {
            ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
            ::fcntl(fd, F_SETFD, FD_CLOEXEC);
        }
        readFd_ = fds[0];
        writeFd_ = fds[1];
    }
#endif
    if (readFd_ >= 0) {
        notifier_ = new QSocketNotifier(readFd_, QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &ThreadWaker::activated);
    }
}

ThreadWaker::~ThreadWaker() {
    delete notifier_;
#if defined(Q_OS_UNIX)
    if (readFd_ >= 0)
        ::close(readFd_);
    if (writeFd_ >= 0 && writeFd_ != readFd_)
        ::close(writeFd_);
#endif
}

void ThreadWaker::wake() {
    if (pending_.exchange(true))
        return; // a wake is on its way: the handler will see this message too
#if defined(Q_OS_UNIX)
    if (writeFd_ >= 0) {
#if defined(Q_OS_LINUX)
        const uint64_t one = 1;
        [[maybe_unused]] const auto n = ::write(writeFd_, &one, sizeof one);
#else
        const char one = 1;
        [[maybe_unused]] const auto n = ::write(writeFd_, &one, 1);
#endif
        return;
    }
#endif
    QMetaObject::invokeMethod(this, &ThreadWaker::activated, Qt::QueuedConnection);
}

void ThreadWaker::activated() {
#if defined(Q_OS_UNIX)
    if (readFd_ >= 0) {
        char buffer[64];
        while (::read(readFd_, buffer, sizeof buffer) > 0) {
        }
    }
#endif
    pending_.store(false);
    if (onWake_)
        onWake_();
}

} // namespace vorlo
