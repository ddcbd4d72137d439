#include "JackProbeInput.h"

#include "JackTest.h"

namespace vorlo::test {

JackProbeInput::JackProbeInput(const std::string& client, const std::string& port)
    : portName_(QString::fromStdString(client + ':' + port)), midi_(RtMidi::UNIX_JACK, client) {
    midi_.setCallback(&JackProbeInput::onMidi, this);
    midi_.ignoreTypes(false, false, false);
    midi_.openVirtualPort(port);
}

// RtMidi's thread stops with midi_, the first member to go.
JackProbeInput::~JackProbeInput() = default;

void JackProbeInput::onMidi(double, std::vector<unsigned char>* message, void* probe) {
    auto* self = static_cast<JackProbeInput*>(probe);
    std::lock_guard lock(self->mutex_);
    self->messages_.emplace_back(reinterpret_cast<const char*>(message->data()),
                                 static_cast<qsizetype>(message->size()));
}

std::vector<QByteArray> JackProbeInput::messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

size_t JackProbeInput::count() const {
    std::lock_guard lock(mutex_);
    return messages_.size();
}

bool JackProbeInput::waitFor(size_t n, int timeoutMs) const {
    return JackTest::waitUntil([&] { return count() >= n; }, timeoutMs);
}

} // namespace vorlo::test
