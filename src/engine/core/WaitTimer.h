#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace vorlo {

// The console's one blocking wait. It keeps the event loop running (MIDI input, clicks and
// other timers are handled meanwhile) until its timer fires. A wait started from inside a
// pumped event reprograms the same timer, so the outer wait ends no later than the inner one.
class WaitTimer : public QObject {
    Q_OBJECT
public:
    explicit WaitTimer(QObject* parent = nullptr);

    void Waiting_Timer(int ms);

    // Told of every wait before it starts; lets tests log waits among the MIDI output.
    std::function<void(int ms)> observer;
    // The longest a wait lasts, in milliseconds; -1 = as long as asked. The fuzzing harness
    // sets 0 so that a run only handles the pending events at each wait.
    int longestWaitMs = -1;

private:
    void Timer1_Timer();

    QTimer Timer1;
    bool TimerElapsed = false;
};

} // namespace vorlo
