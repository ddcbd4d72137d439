#include "WaitTimer.h"

#include <QCoreApplication>
#include <algorithm>

namespace vorlo {

WaitTimer::WaitTimer(QObject* parent) : QObject(parent) {
    Timer1.setSingleShot(true);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &WaitTimer::Timer1_Timer);
}

void WaitTimer::Timer1_Timer() {
    TimerElapsed = true;
}

void WaitTimer::Waiting_Timer(int ms) {
    if (observer)
        observer(ms);
    if (longestWaitMs >= 0)
        ms = std::min(ms, longestWaitMs);
    Timer1.setInterval(std::max(0, ms));
    Timer1.start();
    TimerElapsed = false;
    while (!TimerElapsed)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Timer1.stop();
}

} // namespace vorlo
