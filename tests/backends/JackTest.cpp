#include "JackTest.h"

#include "JackServer.h"
#include "MidiInputPort.h"
#include "MidiOutputPort.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace vorlo::test {
namespace {

constexpr int kEventSliceMs = 2;
constexpr int kBackendAttempts = 5;
constexpr int kBackendRetryMs = 200;

template <class Port> int findDevice(Port& port, const QString& name) {
    const int count = port.deviceCount();
    for (int i = 0; i < count; ++i) {
        if (port.deviceName(i) == name)
            return i;
    }
    return -1;
}

} // namespace

void JackTest::SetUp() {
    JackServer* server = JackServer::current();
    ASSERT_NE(server, nullptr) << "main() sets up the test JACK server";
    if (!server->start()) {
        if (server->isMissing())
            GTEST_SKIP() << server->problem().toStdString();
        FAIL() << server->problem().toStdString();
    }
    // A server that has just come up on a loaded machine may turn a client away once.
    backend = std::make_unique<RtMidiBackend>(RtMidi::UNIX_JACK);
    for (int attempt = 1; attempt < kBackendAttempts && !backend->available(); ++attempt) {
        QThread::msleep(kBackendRetryMs);
        backend = std::make_unique<RtMidiBackend>(RtMidi::UNIX_JACK);
    }
    ASSERT_TRUE(backend->available()) << backend->unavailableReason().toStdString();
}

bool JackTest::waitUntil(const std::function<bool()>& done, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, kEventSliceMs);
        QThread::msleep(kEventSliceMs);
    }
    return true;
}

void JackTest::runEvents(int ms) {
    waitUntil([] { return false; }, ms);
}

std::string JackTest::hex(const QByteArray& message) {
    return message.toHex(' ').toUpper().toStdString();
}

std::vector<std::string> JackTest::hex(const std::vector<QByteArray>& messages) {
    std::vector<std::string> out;
    out.reserve(messages.size());
    for (const QByteArray& m : messages)
        out.push_back(hex(m));
    return out;
}

int JackTest::indexOf(MidiInputPort& port, const QString& name) {
    return findDevice(port, name);
}

int JackTest::indexOf(MidiOutputPort& port, const QString& name) {
    return findDevice(port, name);
}

} // namespace vorlo::test
