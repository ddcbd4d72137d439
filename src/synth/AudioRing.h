#pragma once

#include <atomic>
#include <cstddef>
#include <vector>

namespace vorlo {

// A ring of stereo frames between one writer and one reader on two threads, without a lock:
// the room is made before the two start, and neither side ever allocates or waits.
class AudioRing {
public:
    // Makes room for this many frames, emptying the ring; only while neither side uses it.
    void reserve(size_t frames);
    size_t capacity() const { return left_.size(); }

    // The writer: puts all the frames in, or none when they do not fit (false).
    bool push(const float* left, const float* right, size_t frames);
    // The reader: takes up to this many frames out; returns how many it took.
    size_t pop(float* left, float* right, size_t most);
    // Frames waiting for the reader.
    size_t waiting() const;

private:
    std::vector<float> left_, right_;
    // Frames ever put in and taken out; their difference is what waits.
    std::atomic<size_t> written_{0};
    std::atomic<size_t> read_{0};
};

} // namespace vorlo
