// While a reset waits for the MIDI cable the console says how much has gone, and says nothing
// once everything is sent.
#include "SendProgress.h"
#include "PacedOutputPort.h"
#include "support/ConsoleFixture.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

using namespace vorlo;
using namespace vorlo::test;

namespace {

class SendProgressTest : public ConsoleFixture {
protected:
    // Runs events until done holds; false when the time ran out first.
    static bool waitFor(const std::function<bool()>& done, int timeoutMs) {
        const QDeadlineTimer deadline(timeoutMs);
        while (!done()) {
            if (deadline.hasExpired())
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(2);
        }
        return true;
    }
};

TEST_F(SendProgressTest, AResetBehindTheCableShowsItsWayAndEndsQuiet) {
    writeTable(markerTable());
    writeConfig();
    midi->setWired(QString::fromLatin1(kModule), true);
    start();
    PacedOutputPort& paced = console->pacedOutput();
    ASSERT_TRUE(waitFor([&] { return paced.queued() == 0; }, 10000));
    const SendProgress& progress = console->sendProgress();
    ASSERT_TRUE(waitFor([&] { return !progress.isSending(); }, 1000));
    EXPECT_TRUE(progress.text().isEmpty());

    log();
    console->RESET_Click();
    ASSERT_GT(paced.queuedBytes(), 0u) << "the reset waits for the cable";
    ASSERT_TRUE(waitFor([&] { return progress.isSending(); }, 1000));
    const int first = progress.percent();
    EXPECT_TRUE(progress.text().startsWith(QStringLiteral("Sending to the module: ")));
    EXPECT_TRUE(progress.text().endsWith(QStringLiteral(" s left")))
        << progress.text().toStdString();
    ASSERT_TRUE(waitFor([&] { return progress.percent() > first; }, 5000))
        << "the bar moves on as the bytes go";
    ASSERT_TRUE(waitFor([&] { return !progress.isSending(); }, 10000));
    EXPECT_EQ(paced.queuedBytes(), 0u);
    EXPECT_EQ(log().first(), marker(0)) << "everything went, in order";
}

} // namespace
