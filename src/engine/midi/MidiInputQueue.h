#pragma once

#include "ShortMessage.h"

#include <cstddef>
#include <mutex>
#include <vector>

namespace vorlo {

// First-in first-out queue of incoming messages, filled on the MIDI library's thread and read
// on the user-interface thread. It never drops or reorders a message: when full it grows
// (the only allocation, rare once it has reached the size a burst needs).
class MidiInputQueue {
public:
    explicit MidiInputQueue(size_t initialCapacity = 1024);

    void push(const ShortMessage& m);
    size_t size() const;
    // The oldest message; false when the queue is empty.
    bool front(ShortMessage& m) const;
    void pop();
    void clear();

private:
    mutable std::mutex mutex_;
    std::vector<ShortMessage> ring_;
    size_t head_ = 0;
    size_t count_ = 0;
};

} // namespace vorlo
