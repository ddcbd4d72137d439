#include "MidiInputQueue.h"

#include "MidiConstants.h"

namespace vorlo {

bool MidiInputQueue::push(const ShortMessage& m) {
    std::lock_guard lock(mutex_);
    const bool release =
        midi::isRelease(static_cast<uint8_t>(m.status), static_cast<uint8_t>(m.data1),
                        static_cast<uint8_t>(m.data2));
    if (count_ >= (release ? kCapacity : kSheddingFrom)) {
        ++refused_;
        return false;
    }
    ring_[(head_ + count_) % kCapacity] = m;
    ++count_;
    return true;
}

size_t MidiInputQueue::size() const {
    std::lock_guard lock(mutex_);
    return count_;
}

bool MidiInputQueue::front(ShortMessage& m) const {
    std::lock_guard lock(mutex_);
    if (count_ == 0)
        return false;
    m = ring_[head_];
    return true;
}

void MidiInputQueue::pop() {
    std::lock_guard lock(mutex_);
    if (count_ == 0)
        return;
    head_ = (head_ + 1) % kCapacity;
    --count_;
}

void MidiInputQueue::clear() {
    std::lock_guard lock(mutex_);
    head_ = 0;
    count_ = 0;
}

size_t MidiInputQueue::refused() const {
    std::lock_guard lock(mutex_);
    return refused_;
}

} // namespace vorlo
