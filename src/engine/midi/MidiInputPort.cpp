#include "MidiInputPort.h"

#include "MidiConstants.h"

#include <QMetaObject>

namespace vorlo {
namespace {

int filterBit(uint8_t status) {
    for (size_t i = 0; i < midi::kFilterStatus.size(); ++i) {
        if (midi::kFilterStatus[i] == status)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace

MidiInputPort::MidiInputPort(QObject* parent) : QObject(parent), waker_([this] { deliver(); }) {}
MidiInputPort::~MidiInputPort() = default;

void MidiInputPort::setFilter(uint8_t status, bool reject) {
    const int bit = filterBit(status);
    if (bit < 0)
        return;
    if (reject)
        filterBits_.fetch_or(1u << bit);
    else
        filterBits_.fetch_and(~(1u << bit));
}

bool MidiInputPort::filter(uint8_t status) const {
    const int bit = filterBit(status);
    return bit >= 0 && (filterBits_.load() & (1u << bit)) != 0;
}

int MidiInputPort::queuedCount() const {
    return static_cast<int>(queue_.size());
}

ShortMessage MidiInputPort::oldest() const {
    ShortMessage m;
    queue_.front(m);
    return m;
}

void MidiInputPort::dropOldest() {
    queue_.pop();
}

void MidiInputPort::clearQueue() {
    queue_.clear();
    resetParser_.store(true, std::memory_order_release);
}

void MidiInputPort::receive(const uint8_t* bytes, size_t size) {
    // Only counted: whoever shows activity reads the count on its own time.
    received_.fetch_add(1, std::memory_order_relaxed);
    if (resetParser_.load(std::memory_order_relaxed) &&
        resetParser_.exchange(false, std::memory_order_acquire))
        parser_.reset();
    bool queued = false;
    parser_.feed(bytes, size, [&](const ShortMessage& m) {
        if (filter(static_cast<uint8_t>(m.status)))
            return;
        queue_.push(m);
        queued = true;
    });
    if (queued)
        waker_.wake();
}

void MidiInputPort::deliver() {
    if (queue_.size() > 0)
        emit message();
}

void MidiInputPort::reportError(int code, const QString& text) {
    QMetaObject::invokeMethod(
        this, [this, code, text] { emit error(code, text); }, Qt::QueuedConnection);
}

void MidiInputPort::reportDeviceLost(int code, const QString& text) {
    QMetaObject::invokeMethod(
        this,
        [this, code, text] {
            emit deviceLost();
            emit error(code, text);
        },
        Qt::QueuedConnection);
}

} // namespace vorlo
