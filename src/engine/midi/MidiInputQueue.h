#pragma once

#include "ShortMessage.h"

#include <array>
#include <cstddef>
#include <mutex>

namespace vorlo {

// First-in first-out queue of incoming messages, filled on the MIDI library's thread and read
// on the user-interface thread. It never reorders a message and never allocates. Its size is
// bounded: when a flood arrives faster than the console handles it, new messages are refused
// once kSheddingFrom are waiting, except releases (note-offs, pedals let go, all notes off:
// midi::isRelease), which have the last kCapacity - kSheddingFrom places to themselves. So a
// note played into a full queue may be lost, but the release of a note that was queued is not.
class MidiInputQueue {
public:
    static constexpr size_t kCapacity = 8192;
    static constexpr size_t kSheddingFrom = kCapacity - 1024;

    // False when the message was refused.
    bool push(const ShortMessage& m);
    size_t size() const;
    // The oldest message; false when the queue is empty.
    bool front(ShortMessage& m) const;
    void pop();
    void clear();
    // Messages refused since the start.
    size_t refused() const;

private:
    mutable std::mutex mutex_;
    std::array<ShortMessage, kCapacity> ring_{};
    size_t head_ = 0;
    size_t count_ = 0;
    size_t refused_ = 0;
};

} // namespace vorlo
