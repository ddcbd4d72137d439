#pragma once

#include "FloodPolicy.h"

#include <QByteArray>
#include <cstddef>
#include <vector>

namespace vorlo {

// The messages waiting for a MIDI system that takes them slower than they come, console and
// player messages alike, within bounds. Up to FloodPolicy::kOrderedBytes they keep their order
// exactly. Beyond that the flood policy applies: a new note, and later its note-off, is dropped,
// and so is clock; a message for the same controller or module address as a waiting one
// replaces it; a note-off of a sounding note always waits. What waits therefore never exceeds
// kOrderedBytes plus one message per target and one note-off per sounding note. Queueing a short
// message does not allocate once the ring has grown to what waits.
class OutputBacklog {
public:
    struct Item {
        QByteArray sysex; // one whole message, or empty for a short one
        unsigned char bytes[3] = {0, 0, 0};
        unsigned char length = 0;

        const unsigned char* data() const {
            return sysex.isEmpty() ? bytes : reinterpret_cast<const unsigned char*>(sysex.data());
        }
        size_t size() const { return sysex.isEmpty() ? length : static_cast<size_t>(sysex.size()); }
    };

    OutputBacklog();

    // A message handed to the system at once, past the queue (nothing waited).
    void passed(const unsigned char* bytes, size_t size);
    // Queues a message (whole, when given, holds the same bytes and saves a copy); false when
    // the flood policy drops it.
    bool push(const unsigned char* bytes, size_t size, const QByteArray* whole = nullptr);

    bool empty() const { return count_ == 0; }
    size_t count() const { return count_; }
    // The bytes waiting.
    size_t bytes() const { return bytes_; }
    Item& front() { return ring_[head_]; }
    void pop();
    // Drops what waits.
    void clear();
    // Drops what waits and forgets which notes sound (the port opens afresh).
    void reset();

private:
    Item& at(size_t i) { return ring_[(head_ + i) % ring_.size()]; }
    void erase(size_t i);
    void append(Item&& item);

    FloodPolicy policy_;
    std::vector<Item> ring_;
    size_t head_ = 0;
    size_t count_ = 0;
    size_t bytes_ = 0;
};

} // namespace vorlo
