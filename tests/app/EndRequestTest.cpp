// The watcher of the system's requests to end the program, in this test program's own process.
#include "EndRequestWatcher.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QStringList>
#include <gtest/gtest.h>

#if defined(Q_OS_UNIX)
#include <csignal>
#endif

namespace vorlo::test {
namespace {

#if defined(Q_OS_UNIX)

void runEventsUntil(const std::function<bool()>& done) {
    const QDeadlineTimer deadline(3000);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(EndRequests, ASignalBecomesOneRequestOnTheMainThreadAndTheOldHandlingComesBack) {
    // SIGTERM is the running program's own test; here the hang-up and the interrupt.
    for (const auto& [signal, name] : {std::pair(SIGHUP, "SIGHUP"), std::pair(SIGINT, "SIGINT")}) {
        SCOPED_TRACE(name);
        struct sigaction before = {};
        ::sigaction(signal, nullptr, &before);
        QStringList requests;
        {
            EndRequestWatcher watcher;
            QObject::connect(&watcher, &EndRequestWatcher::endRequested,
                             [&](const QString& what) { requests << what; });
            ::raise(signal); // without the watcher this ends the test program
            runEventsUntil([&] { return !requests.isEmpty(); });
            EXPECT_EQ(requests, QStringList{QString::fromLatin1(name)});
            EXPECT_TRUE(watcher.isRequested());
            watcher.sessionEnding();
            QCoreApplication::processEvents();
            EXPECT_EQ(requests.size(), 1) << "one request, whatever follows";
        }
        struct sigaction after = {};
        ::sigaction(signal, nullptr, &after);
        EXPECT_EQ(after.sa_handler, before.sa_handler);
    }
    QStringList requests;

    EndRequestWatcher second;
    QObject::connect(&second, &EndRequestWatcher::endRequested,
                     [&](const QString& what) { requests << what; });
    second.sessionEnding();
    EXPECT_EQ(requests.last(), QStringLiteral("session end"));
}

#endif

} // namespace
} // namespace vorlo::test
