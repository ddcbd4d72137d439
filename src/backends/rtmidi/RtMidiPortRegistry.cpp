#include "RtMidiPortRegistry.h"

#include "RtMidiSystemPort.h"

#include <algorithm>
#include <utility>

namespace vorlo {

RtMidiPortRegistry::~RtMidiPortRegistry() {
    waitForRetired();
}

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

void RtMidiPortRegistry::retire(std::unique_ptr<RtMidiIn> midi) {
    if (midi)
        retired_.inputs.push_back(std::move(midi));
}

void RtMidiPortRegistry::retire(std::unique_ptr<RtMidiOut> midi) {
    if (midi)
        retired_.outputs.push_back(std::move(midi));
}

void RtMidiPortRegistry::letGoOfRetired() {
    if (retired_.empty())
        return;
    waitForRetired();
    retiring_ = std::thread([objects = std::move(retired_)]() mutable {
        objects.inputs.clear();
        objects.outputs.clear();
    });
    retired_ = Retired{};
}

void RtMidiPortRegistry::waitForRetired() {
    if (retiring_.joinable())
        retiring_.join();
}

} // namespace vorlo
