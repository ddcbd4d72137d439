#include "PacedOutputPort.h"

#include "MidiConstants.h"
#include "SysexSequence.h"

#include <QVariant>
#include <algorithm>

namespace vorlo {
namespace {

// A GS data set: F0 41 <device> 42 12 <address: 3 bytes> <data...> <checksum> F7.
constexpr uint8_t kRolandId = 0x41;
constexpr uint8_t kGsModelId = 0x42;
constexpr uint8_t kDataSet1 = 0x12;
constexpr qsizetype kDataSetHeader = 8; // F0 up to the address's last byte
constexpr qsizetype kDataSetShortest = kDataSetHeader + 2;

bool isGsDataSet(const QByteArray& m) {
    return m.size() >= kDataSetShortest && static_cast<uint8_t>(m[1]) == kRolandId &&
           static_cast<uint8_t>(m[3]) == kGsModelId && static_cast<uint8_t>(m[4]) == kDataSet1;
}

} // namespace

PacedOutputPort::PacedOutputPort(MidiOutputPort& device, QObject* parent)
    : MidiOutputPort(parent), device_(device), player_(*this) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &PacedOutputPort::pump);
    connect(&device_, &MidiOutputPort::error, this, &MidiOutputPort::error);
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
    sounding_ = {};
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
        device_.sendShort(status, data1, data2);
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
            device_.sendSysex(bytes);
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
    device_.sendShort(status, data1, data2);
}

bool PacedOutputPort::admitPlayer(uint8_t status, uint8_t data1, uint8_t data2,
                                  Clock::duration onWire, Clock::time_point now) {
    credit_ = std::min<Clock::duration>(kPlayerBurst, credit_ + (now - refilled_) / 2);
    refilled_ = now;
    const bool consoleWaits = !queue_.empty();
    const bool over = std::max(wireFree_, now) + onWire - now > kPlayerBurst ||
                      (consoleWaits && credit_ < onWire);
    if (over && mayDrop(status, data1, data2)) {
        dropped(now);
        return false;
    }
    if (consoleWaits)
        credit_ -= onWire;
    const uint8_t kind = status & 0xF0;
    if (kind == midi::NoteOn || kind == midi::NoteOff) {
        const bool on = kind == midi::NoteOn && data2 != 0;
        sounding_[status & 0x0F].set(data1 & 0x7F, on);
    }
    return true;
}

bool PacedOutputPort::mayDrop(uint8_t status, uint8_t data1, uint8_t data2) const {
    const uint8_t kind = status & 0xF0;
    // A note-off may go only when its note never went.
    if (kind == midi::NoteOff || (kind == midi::NoteOn && data2 == 0))
        return !sounding_[status & 0x0F].test(data1 & 0x7F);
    if (midi::isRelease(status, data1, data2))
        return false;
    switch (kind) {
    case midi::NoteOn:
    case midi::PolyPressure:
    case midi::ControlChange:
    case midi::ChannelPressure:
    case midi::PitchBend:
        return true;
    default:
        return status == midi::TimingClock || status == midi::ActiveSensing;
    }
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
    device_.sendSysex(bytes);
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
    if (a.isSysex) {
        if (isGsDataSet(a.sysex) && isGsDataSet(b.sysex))
            return a.sysex.size() == b.sysex.size() &&
                   a.sysex.first(kDataSetHeader) == b.sysex.first(kDataSetHeader);
        return a.sysex == b.sysex;
    }
    if (a.bytes[0] != b.bytes[0])
        return false;
    const uint8_t kind = a.bytes[0] & 0xF0;
    // A controller (or a key's pressure) per number; program, pressure and bend per channel.
    if (kind == midi::ControlChange || kind == midi::PolyPressure)
        return a.bytes[1] == b.bytes[1];
    if (a.bytes[0] < midi::SysexStart)
        return true;
    return a.bytes[1] == b.bytes[1] && a.bytes[2] == b.bytes[2];
}

void PacedOutputPort::deliver(const Item& item) {
    const bool pacing = isPacing();
    if (item.isSysex) {
        if (pacing) {
            occupyWire(static_cast<size_t>(item.sysex.size()));
            const int gap = sysexGapMs ? sysexGapMs() : 0;
            gapEnd_ = gap > 0 ? wireFree_ + std::chrono::milliseconds(gap) : Clock::time_point{};
        }
        device_.sendSysex(item.sysex);
    } else {
        if (pacing)
            occupyWire(static_cast<size_t>(midi::shortMessageLength(item.bytes[0])));
        device_.sendShort(item.bytes[0], item.bytes[1], item.bytes[2]);
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
