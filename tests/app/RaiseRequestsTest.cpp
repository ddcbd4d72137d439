#include "RaiseRequests.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlo;

TEST(RaiseRequests, ASecondStartFromTheFolderReachesTheRunningConsoleAndNoOtherFolder) {
    QTemporaryDir folder;
    QTemporaryDir otherFolder;
    RaiseRequests running(folder.path());
    EXPECT_FALSE(running.knock()) << "nobody listens yet";
    int raised = 0;
    ASSERT_TRUE(running.listen([&raised] { ++raised; }));

    EXPECT_FALSE(RaiseRequests(otherFolder.path()).knock());
    // The same folder, spelt another way.
    EXPECT_TRUE(RaiseRequests(folder.path() + QStringLiteral("/.")).knock());
    const QDeadlineTimer patience(10000);
    while (raised == 0 && !patience.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    EXPECT_EQ(raised, 1);
}
