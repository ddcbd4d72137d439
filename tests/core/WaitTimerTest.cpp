#include "WaitTimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vorlo;

TEST(WaitTimer, EventsRunDuringAWaitAndANestedWaitEndsTheOuterOneNoLater) {
    WaitTimer waiter;
    QElapsedTimer clock;
    bool innerRan = false;
    qint64 innerEnded = -1;
    // An event handled during the outer wait starts a short wait of its own.
    QTimer::singleShot(10, [&] {
        innerRan = true;
        waiter.Waiting_Timer(20);
        innerEnded = clock.elapsed();
    });
    clock.start();
    waiter.Waiting_Timer(2000);
    const qint64 outerEnded = clock.elapsed();
    EXPECT_TRUE(innerRan);
    EXPECT_GE(innerEnded, 25);
    EXPECT_LT(outerEnded, 1000) << "the inner wait reprogrammed the shared timer";
    EXPECT_GE(outerEnded, innerEnded);
}
