#include "RtMidiSystemPort.h"

#include "RtMidiPortRegistry.h"

#include <string>

namespace vorlo {
namespace {

// What RtMidi reports while an object of a system that went is destroyed goes nowhere: the
// port whose trap took its reports may be gone by then.
void ignore(RtMidiError::Type, const std::string&, void*) {}

} // namespace

RtMidiSystemPort::~RtMidiSystemPort() {
    if (const auto registry = registry_.lock())
        registry->remove(this);
}

void RtMidiSystemPort::joinRegistry(const std::shared_ptr<RtMidiPortRegistry>& registry) {
    registry_ = registry;
    registry->add(this);
}

void RtMidiSystemPort::retire(std::unique_ptr<RtMidiIn> midi) {
    if (!midi)
        return;
    midi->cancelCallback();
    midi->setErrorCallback(&ignore, nullptr);
    if (const auto registry = registry_.lock())
        registry->retire(std::move(midi));
}

void RtMidiSystemPort::retire(std::unique_ptr<RtMidiOut> midi) {
    if (!midi)
        return;
    midi->setErrorCallback(&ignore, nullptr);
    if (const auto registry = registry_.lock())
        registry->retire(std::move(midi));
}

} // namespace vorlo
