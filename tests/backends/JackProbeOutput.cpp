#include "JackProbeOutput.h"

#include <vector>

namespace vorlo::test {

JackProbeOutput::JackProbeOutput(const std::string& client, const std::string& port)
    : portName_(QString::fromStdString(client + ':' + port)), midi_(RtMidi::UNIX_JACK, client) {
    midi_.openVirtualPort(port);
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
