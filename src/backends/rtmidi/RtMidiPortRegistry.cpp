#include "RtMidiPortRegistry.h"

#include "RtMidiSystemPort.h"

#include <algorithm>

namespace vorlo {

void RtMidiPortRegistry::add(RtMidiSystemPort* port) {
    if (!contains(port))
        ports_.push_back(port);
}

void RtMidiPortRegistry::remove(RtMidiSystemPort* port) {
    std::erase(ports_, port);
}

bool RtMidiPortRegistry::contains(const RtMidiSystemPort* port) const {
    return std::find(ports_.begin(), ports_.end(), port) != ports_.end();
}

} // namespace vorlo
