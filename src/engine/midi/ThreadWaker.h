#pragma once

#include <QObject>
#include <atomic>
#include <functional>

class QSocketNotifier;

namespace vorlo {

// Wakes the thread that owns it from any other thread, without allocating: the MIDI
// library's thread calls wake() for every incoming message, and the owner's event loop runs
// the handler once for all wakes since the last run. On Unix a non-blocking pipe (an eventfd
// on Linux) drives a socket notifier; elsewhere a queued call is posted.
class ThreadWaker : public QObject {
    Q_OBJECT
public:
    explicit ThreadWaker(std::function<void()> onWake, QObject* parent = nullptr);
    ~ThreadWaker() override;

    void wake();

private:
    void activated();

    std::function<void()> onWake_;
    std::atomic<bool> pending_{false};
    int readFd_ = -1;
    int writeFd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vorlo
