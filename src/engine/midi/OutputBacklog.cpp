#include "OutputBacklog.h"

#include "MidiConstants.h"

#include <algorithm>

namespace vorlo {
namespace {

// Room for this many waiting messages before the ring has to grow.
constexpr size_t kInitialRing = 256;

bool isNote(const unsigned char* bytes) {
    const uint8_t kind = bytes[0] & 0xF0;
    return kind == midi::NoteOn || kind == midi::NoteOff;
}

} // namespace

OutputBacklog::OutputBacklog() : ring_(kInitialRing) {}

void OutputBacklog::passed(const unsigned char* bytes, size_t size) {
    if (size > 0 && bytes[0] != midi::SysexStart)
        policy_.passed(bytes[0], size > 1 ? bytes[1] : 0, size > 2 ? bytes[2] : 0);
}

bool OutputBacklog::push(const unsigned char* bytes, size_t size, const QByteArray* whole) {
    if (size == 0)
        return true;
    const bool isShort = bytes[0] != midi::SysexStart;
    const uint8_t data1 = size > 1 ? bytes[1] : 0;
    const uint8_t data2 = size > 2 ? bytes[2] : 0;
    if (bytes_ >= FloodPolicy::kOrderedBytes) {
        if (isShort && policy_.mayDropNote(bytes[0], data1, data2))
            return false;
        if (!isShort || !isNote(bytes)) {
            // The newer message sets what the waiting one would have set: the waiting one goes.
            // Searched from the newest, where a flood's repeated targets are.
            for (size_t i = count_; i-- > 0;) {
                const Item& waiting = at(i);
                if (FloodPolicy::sameTarget(waiting.data(), waiting.size(), bytes, size)) {
                    erase(i);
                    break;
                }
            }
        }
    }
    if (isShort)
        policy_.passed(bytes[0], data1, data2);
    Item item;
    if (isShort) {
        std::copy(bytes, bytes + std::min<size_t>(size, 3), item.bytes);
        item.length = static_cast<unsigned char>(std::min<size_t>(size, 3));
    } else {
        item.sysex =
            whole ? *whole
                  : QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
    }
    append(std::move(item));
    return true;
}

void OutputBacklog::append(Item&& item) {
    if (count_ == ring_.size()) {
        std::vector<Item> larger(ring_.size() * 2);
        for (size_t i = 0; i < count_; ++i)
            larger[i] = std::move(at(i));
        ring_.swap(larger);
        head_ = 0;
    }
    bytes_ += item.size();
    ring_[(head_ + count_) % ring_.size()] = std::move(item);
    ++count_;
}

void OutputBacklog::erase(size_t i) {
    bytes_ -= at(i).size();
    for (size_t j = i; j + 1 < count_; ++j)
        at(j) = std::move(at(j + 1));
    at(count_ - 1).sysex = QByteArray();
    --count_;
}

void OutputBacklog::pop() {
    if (count_ == 0)
        return;
    Item& item = ring_[head_];
    bytes_ -= item.size();
    item.sysex = QByteArray();
    head_ = (head_ + 1) % ring_.size();
    --count_;
}

void OutputBacklog::clear() {
    while (count_ > 0)
        pop();
    head_ = 0;
}

void OutputBacklog::reset() {
    clear();
    policy_.clear();
}

} // namespace vorlo
