#include "AudioRing.h"

#include <algorithm>

namespace vorlo {

void AudioRing::reserve(size_t frames) {
    left_.assign(frames, 0.0f);
    right_.assign(frames, 0.0f);
    written_.store(0, std::memory_order_relaxed);
    read_.store(0, std::memory_order_relaxed);
}

bool AudioRing::push(const float* left, const float* right, size_t frames) {
    const size_t size = left_.size();
    const size_t w = written_.load(std::memory_order_relaxed);
    const size_t r = read_.load(std::memory_order_acquire);
    if (frames > size - (w - r))
        return false;
    const size_t at = w % size;
    const size_t first = std::min(frames, size - at);
    std::copy_n(left, first, left_.data() + at);
    std::copy_n(right, first, right_.data() + at);
    std::copy_n(left + first, frames - first, left_.data());
    std::copy_n(right + first, frames - first, right_.data());
    written_.store(w + frames, std::memory_order_release);
    return true;
}

size_t AudioRing::pop(float* left, float* right, size_t most) {
    const size_t size = left_.size();
    const size_t r = read_.load(std::memory_order_relaxed);
    const size_t w = written_.load(std::memory_order_acquire);
    const size_t frames = std::min(most, w - r);
    if (frames == 0)
        return 0;
    const size_t at = r % size;
    const size_t first = std::min(frames, size - at);
    std::copy_n(left_.data() + at, first, left);
    std::copy_n(right_.data() + at, first, right);
    std::copy_n(left_.data(), frames - first, left + first);
    std::copy_n(right_.data(), frames - first, right + first);
    read_.store(r + frames, std::memory_order_release);
    return frames;
}

size_t AudioRing::waiting() const {
    return written_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire);
}

} // namespace vorlo
