#include "MidiInputQueue.h"

namespace vorlo {

MidiInputQueue::MidiInputQueue(size_t initialCapacity)
    : ring_(std::max<size_t>(initialCapacity, 2)) {}

void MidiInputQueue::push(const ShortMessage& m) {
    std::lock_guard lock(mutex_);
    if (count_ == ring_.size()) {
        std::vector<ShortMessage> bigger(ring_.size() * 2);
        for (size_t i = 0; i < count_; ++i)
            bigger[i] = ring_[(head_ + i) % ring_.size()];
        ring_.swap(bigger);
        head_ = 0;
    }
    ring_[(head_ + count_) % ring_.size()] = m;
    ++count_;
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
    head_ = (head_ + 1) % ring_.size();
    --count_;
}

void MidiInputQueue::clear() {
    std::lock_guard lock(mutex_);
    head_ = 0;
    count_ = 0;
}

} // namespace vorlo
