#pragma once

#include <QObject>

class QSocketNotifier;

namespace vorlo {

// Turns the system's requests to end the program into one Qt signal on the main thread:
// SIGTERM (logging out, shutting down, stopping a service), SIGHUP (the terminal closed) and
// SIGINT (Ctrl+C) on Unix, the console window's control events on Windows, and the end of the
// desktop session everywhere. The signal handler only writes the signal's number into a socket
// pair that the event loop watches; everything else happens on the main thread. After the
// first signal of a kind the system's default action is back for it, so a second one ends a
// program that no longer answers. One watcher at a time.
class EndRequestWatcher : public QObject {
    Q_OBJECT
public:
    explicit EndRequestWatcher(QObject* parent = nullptr);
    // Gives the signals back their earlier handling.
    ~EndRequestWatcher() override;

    bool isRequested() const { return requested_; }
    // The desktop session is ending (Qt's commitDataRequest): the same as a signal.
    Q_INVOKABLE void sessionEnding();
    // Windows only: the program has ended, so a control event that waits may return.
    static void markEnded();

signals:
    // Emitted once, for the first request; what is the signal's name or "session end".
    void endRequested(const QString& what);

private:
    void readSignals();
    void request(const QString& what);

    bool requested_ = false;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vorlo
