#include "JackProbeOutput.h"

#include <QThread>
#include <vector>

namespace vorlo::test {
namespace {

constexpr unsigned long kReleaseDelayMs = 50;

} // namespace

JackProbeOutput::JackProbeOutput(const std::string& client, const std::string& port)
    : portName_(QString::fromStdString(client + ':' + port)), midi_(RtMidi::UNIX_JACK, client) {
    midi_.openVirtualPort(port);
}

JackProbeOutput::~JackProbeOutput() {
    // RtMidi frees the buffer its JACK thread reads before it closes the client; a cycle
    // held back by a busy machine could still be reading it. Closing the port first and
    // waiting a few cycles lets such a cycle end (no cycle reads a closed port's buffer).
    midi_.closePort();
    QThread::msleep(kReleaseDelayMs);
}

void JackProbeOutput::play(std::initializer_list<unsigned char> bytes) {
    const std::vector<unsigned char> message(bytes);
    midi_.sendMessage(message.data(), message.size());
}

void JackProbeOutput::play(const QByteArray& bytes) {
    midi_.sendMessage(reinterpret_cast<const unsigned char*>(bytes.constData()),
                      static_cast<size_t>(bytes.size()));
}

} // namespace vorlo::test
