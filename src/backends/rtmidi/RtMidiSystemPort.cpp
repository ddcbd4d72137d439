#include "RtMidiSystemPort.h"

#include "RtMidiPortRegistry.h"

namespace vorlo {

RtMidiSystemPort::~RtMidiSystemPort() {
    if (const auto registry = registry_.lock())
        registry->remove(this);
}

void RtMidiSystemPort::joinRegistry(const std::shared_ptr<RtMidiPortRegistry>& registry) {
    registry_ = registry;
    registry->add(this);
}

} // namespace vorlo
