#include "PacedOutputPort.h"

#include "MidiConstants.h"
#include "SysexSequence.h"

#include <QVariant>
#include <algorithm>

namespace vorlo {

PacedOutputPort::PacedOutputPort(MidiOutputPort& device, QObject* parent)
    : MidiOutputPort(parent), device_(device), player_(*this) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PacedOutputPort::pump);
    connect(&device_, &MidiOutputPort::error, this, &MidiOutputPort::error);
    // What waits for a device that went away is never sent: the port stays closed until the
    // console opens it again, and then it starts afresh.
    connect(&device_, &MidiOutputPort::deviceLost, this, [this] {
        flush();
        emit deviceLost();
    });
    // Unpaced, a flood can still outrun a slow MIDI system: the device's drops are told to the
    // player as the cable's are.
    connect(&device_, &MidiOutputPort::messageDropped, this, [this] { dropped(clock_()); });
    behindTimer_.setSingleShot(true);
    connect(&behindTimer_, &QTimer::timeout, this, &PacedOutputPort::checkBehind);
}

PacedOutputPort::~PacedOutputPort() {
    timer_.stop();
    if (device_.isOpen())
        flush();
}

void PacedOutputPort::selectDevice(int index) {
    // What waits was meant for the device chosen before.
    flush();
    device_.selectDevice(index);
}

void PacedOutputPort::open() {
    flush();
    device_.open();
    wired_ = device_.selectedDeviceHasWire();
    wireFree_ = clock_();
    gapEnd_ = {};
    credit_ = kPlayerBurst;
    policy_.clear();
}

void PacedOutputPort::close() {
    flush();
    device_.close();
}

bool PacedOutputPort::isPacing() const {
    return baud_ > 0 && wired_ && device_.isOpen();
}

void PacedOutputPort::setWireSpeed(int baud) {
    baud_ = baud <= 0 ? 0 : std::clamp(baud, kMinBaud, kMaxBaud);
    bytesPerSecond_ = static_cast<double>(baud_) / kBitsPerByte;
    if (baud_ == 0)
        flush();
}

int PacedOutputPort::parseWireSpeed(const QVariant& stored, int defaultBaud) {
    if (!stored.isValid())
        return defaultBaud;
    bool ok = false;
    const int baud = stored.toString().trimmed().toInt(&ok);
    if (!ok)
        return defaultBaud;
    return baud <= 0 ? 0 : std::clamp(baud, kMinBaud, kMaxBaud);
}

void PacedOutputPort::sendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    if (queue_.empty()) {
        if (baud_ > 0 && wired_)
            occupyWire(static_cast<size_t>(midi::shortMessageLength(status)));
        toDevice(status, data1, data2);
        return;
    }
    // Behind the console's waiting messages, in order.
    Item item;
    item.bytes[0] = status;
    item.bytes[1] = data1;
    item.bytes[2] = data2;
    enqueue(std::move(item));
}

void PacedOutputPort::sendSysex(const QByteArray& bytes) {
    if (!isPacing() || !SysexSequence::isComplete(bytes, SysexSequence::Inside::AnyBytes)) {
        if (queue_.empty()) {
            toDevice(bytes);
            return;
        }
        enqueueSysex(bytes);
        pump();
        return;
    }
    // Each message on its own, whole, so that the player's notes can go between two of them.
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (static_cast<uint8_t>(bytes[i]) != midi::SysexEnd)
            continue;
        enqueueSysex(start == 0 && i + 1 == bytes.size() ? bytes : bytes.mid(start, i + 1 - start));
        start = i + 1;
    }
    pump();
}

void PacedOutputPort::sendPlayerShort(uint8_t status, uint8_t data1, uint8_t data2) {
    if (baud_ > 0 && wired_) {
        const Clock::time_point now = clock_();
        const Clock::duration onWire =
            cableTime(static_cast<size_t>(midi::shortMessageLength(status)));
        if (!admitPlayer(status, data1, data2, onWire, now))
            return;
        occupyWire(onWire, now);
    }
    toDevice(status, data1, data2);
}

bool PacedOutputPort::admitPlayer(uint8_t status, uint8_t data1, uint8_t data2,
                                  Clock::duration onWire, Clock::time_point now) {
    credit_ = std::min<Clock::duration>(kPlayerBurst, credit_ + (now - refilled_) / 2);
    refilled_ = now;
    const bool consoleWaits = !queue_.empty();
    const bool over = std::max(wireFree_, now) + onWire - now > kPlayerBurst ||
                      (consoleWaits && credit_ < onWire);
    if (over && policy_.mayDrop(status, data1, data2)) {
        dropped(now);
        return false;
    }
    if (consoleWaits)
        credit_ -= onWire;
    policy_.passed(status, data1, data2);
    return true;
}

void PacedOutputPort::dropped(Clock::time_point now) {
    ++dropped_;
    lastDrop_ = now;
    if (behind_)
        return;
    behind_ = true;
    behindTimer_.start(static_cast<int>(kBehindHold.count()));
    emit behindCableChanged(true);
}

void PacedOutputPort::checkBehind() {
    const auto since = clock_() - lastDrop_;
    if (since < kBehindHold) {
        behindTimer_.start(static_cast<int>(
            std::chrono::ceil<std::chrono::milliseconds>(kBehindHold - since).count()));
        return;
    }
    behind_ = false;
    emit behindCableChanged(false);
}

void PacedOutputPort::sendPlayerSysex(const QByteArray& bytes) {
    if (baud_ > 0 && wired_)
        occupyWire(static_cast<size_t>(bytes.size()));
    toDevice(bytes);
}

void PacedOutputPort::flush() {
    timer_.stop();
    while (!queue_.empty()) {
        const Item item = std::move(queue_.front());
        queue_.pop_front();
        queuedBytes_ -= sizeOf(item);
        deliver(item);
    }
}

void PacedOutputPort::enqueueSysex(const QByteArray& message) {
    Item item;
    item.sysex = message;
    item.isSysex = true;
    enqueue(std::move(item));
}

void PacedOutputPort::enqueue(Item&& item) {
    if (queuedBytes_ >= kCoalesceFrom) {
        // The newer message sets what the waiting one would have set: the waiting one goes.
        for (auto it = queue_.begin(); it != queue_.end(); ++it) {
            if (sameTarget(*it, item)) {
                queuedBytes_ -= sizeOf(*it);
                queue_.erase(it);
                break;
            }
        }
    }
    queuedBytes_ += sizeOf(item);
    queue_.push_back(std::move(item));
}

size_t PacedOutputPort::sizeOf(const Item& item) {
    return item.isSysex ? static_cast<size_t>(item.sysex.size())
                        : static_cast<size_t>(midi::shortMessageLength(item.bytes[0]));
}

bool PacedOutputPort::sameTarget(const Item& a, const Item& b) {
    if (a.isSysex != b.isSysex)
        return false;
    if (a.isSysex)
        return FloodPolicy::sameTarget(reinterpret_cast<const uint8_t*>(a.sysex.constData()),
                                       static_cast<size_t>(a.sysex.size()),
                                       reinterpret_cast<const uint8_t*>(b.sysex.constData()),
                                       static_cast<size_t>(b.sysex.size()));
    return FloodPolicy::sameTarget(a.bytes, sizeOf(a), b.bytes, sizeOf(b));
}

void PacedOutputPort::deliver(const Item& item) {
    const bool pacing = isPacing();
    if (item.isSysex) {
        if (pacing) {
            occupyWire(static_cast<size_t>(item.sysex.size()));
            const int gap = sysexGapMs ? sysexGapMs() : 0;
            gapEnd_ = gap > 0 ? wireFree_ + std::chrono::milliseconds(gap) : Clock::time_point{};
        }
        toDevice(item.sysex);
    } else {
        if (pacing)
            occupyWire(static_cast<size_t>(midi::shortMessageLength(item.bytes[0])));
        toDevice(item.bytes[0], item.bytes[1], item.bytes[2]);
    }
}

PacedOutputPort::Clock::duration PacedOutputPort::cableTime(size_t bytes) const {
    if (bytesPerSecond_ <= 0)
        return Clock::duration::zero();
    return std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(static_cast<double>(bytes) / bytesPerSecond_));
}

void PacedOutputPort::occupyWire(size_t bytes) {
    if (bytesPerSecond_ <= 0)
        return;
    occupyWire(cableTime(bytes), clock_());
}

void PacedOutputPort::occupyWire(Clock::duration onWire, Clock::time_point now) {
    wireFree_ = std::max(now, wireFree_) + onWire;
}

PacedOutputPort::Clock::time_point PacedOutputPort::sysexReadyAt() const {
    return std::max(wireFree_ - kLead, gapEnd_);
}

void PacedOutputPort::pump() {
    if (pumping_)
        return;
    pumping_ = true;
    while (!queue_.empty()) {
        const Item& front = queue_.front();
        if (front.isSysex && isPacing()) {
            const Clock::time_point now = clock_();
            const Clock::time_point ready = sysexReadyAt();
            if (now < ready) {
                const auto wait = std::chrono::ceil<std::chrono::milliseconds>(ready - now);
                timer_.start(static_cast<int>(wait.count()));
                break;
            }
        }
        const Item item = std::move(queue_.front());
        queue_.pop_front();
        queuedBytes_ -= sizeOf(item);
        deliver(item);
    }
    pumping_ = false;
}

} // namespace vorlo
