#pragma once

#include "rtmidi/RtMidiBackend.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vorlo {
class MidiInputPort;
class MidiOutputPort;
} // namespace vorlo

namespace vorlo::test {

// Tests on the test program's own JACK server, through a backend that insists on JACK
// whatever MIDI system the computer has.
class JackTest : public ::testing::Test {
public:
    // Runs Qt's events until done() holds; false when the time ran out first.
    static bool waitUntil(const std::function<bool()>& done, int timeoutMs);
    // Runs Qt's events for this long.
    static void runEvents(int ms);

    // "90 3C 64" for each message.
    static std::vector<std::string> hex(const std::vector<QByteArray>& messages);
    static std::string hex(const QByteArray& message);
    // Reads the port's device list and returns where name is in it (-1 when it is not).
    static int indexOf(MidiInputPort& port, const QString& name);
    static int indexOf(MidiOutputPort& port, const QString& name);

protected:
    void SetUp() override;

    std::unique_ptr<RtMidiBackend> backend;
};

} // namespace vorlo::test
