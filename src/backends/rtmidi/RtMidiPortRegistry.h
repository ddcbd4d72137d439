#pragma once

#include <vector>

namespace vorlo {

class RtMidiSystemPort;

// The ports a backend has made and that still exist, in the order they were made. Shared by
// the backend and its watch; a port leaves it when it is destroyed, so a port that outlives
// its backend leaves nothing behind.
class RtMidiPortRegistry {
public:
    void add(RtMidiSystemPort* port);
    void remove(RtMidiSystemPort* port);
    // A copy, so that a port may come or go while the list is walked.
    std::vector<RtMidiSystemPort*> ports() const { return ports_; }
    bool contains(const RtMidiSystemPort* port) const;

private:
    std::vector<RtMidiSystemPort*> ports_;
};

} // namespace vorlo
