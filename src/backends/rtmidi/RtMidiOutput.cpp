#include "RtMidiOutput.h"

#include "MidiConstants.h"
#include "RtMidiBackend.h"

#include <QByteArray>
#include <QMetaObject>
#include <algorithm>
#include <cmath>
#include <exception>
#include <thread>

namespace vorlo {
namespace {

constexpr uint8_t kStatusBit = 0x80;
// How much of refused data the error message shows.
constexpr qsizetype kShownBytes = 16;
// Longer than a few cycles of any usual JACK period.
constexpr std::chrono::milliseconds kJackReleaseDelay{50};
// Time given to RtMidi's JACK thread before a port closes: three cycles, within these bounds.
constexpr std::chrono::milliseconds kJackCloseGraceMin{20};
constexpr std::chrono::milliseconds kJackCloseGraceMax{200};
// RtMidi hands a message to its JACK thread through a 16 KiB ring buffer, together with its
// 4-byte length, and silently drops what does not fit.
constexpr size_t kJackLongestMessage = 16384 - 1 - 4;

QString hex(const unsigned char* bytes, size_t size) {
    const QByteArray data(reinterpret_cast<const char*>(bytes),
                          static_cast<qsizetype>(std::min<size_t>(size, kShownBytes)));
    QString text = QString::fromLatin1(data.toHex(' ').toUpper());
    if (size > static_cast<size_t>(kShownBytes))
        text += QStringLiteral(" ...");
    return text;
}

bool isShortMessage(const unsigned char* bytes, int length) {
    const uint8_t status = bytes[0];
    if ((status & kStatusBit) == 0 || status == midi::SysexStart || status == midi::SysexEnd)
        return false;
    for (int i = 1; i < length; ++i) {
        if ((bytes[i] & kStatusBit) != 0)
            return false;
    }
    return true;
}

// One or more F0 ... F7 messages, nothing between them, no status byte inside them; longest
// tells the length of the longest one.
bool isSysexSequence(const unsigned char* bytes, size_t size, size_t& longest) {
    bool inside = false;
    size_t start = 0;
    longest = 0;
    for (size_t i = 0; i < size; ++i) {
        const uint8_t b = bytes[i];
        if (!inside) {
            if (b != midi::SysexStart)
                return false;
            inside = true;
            start = i;
        } else if (b == midi::SysexEnd) {
            inside = false;
            longest = std::max(longest, i + 1 - start);
        } else if ((b & kStatusBit) != 0) {
            return false;
        }
    }
    return !inside;
}

} // namespace

RtMidiOutput::RtMidiOutput(RtMidi::Api api, const QString& portName,
                           const QString& unavailableReason, QObject* parent)
    : MidiOutputPort(parent), link_(RtMidiDeviceLink::Direction::Output, portName) {
    QString reason = unavailableReason;
    if (!makeMidi(api, reason)) {
        link_.setUnavailable(reason);
        fail(RtMidiBackend::NoMidiSystem, link_.noMidiSystemText());
    }
    watch_.setInterval(RtMidiDeviceLink::kWatchIntervalMs);
    connect(&watch_, &QTimer::timeout, this, &RtMidiOutput::watchDevice);
    drain_.setSingleShot(true);
    drain_.setTimerType(Qt::PreciseTimer);
    connect(&drain_, &QTimer::timeout, this, &RtMidiOutput::drainWaiting);
}

RtMidiOutput::~RtMidiOutput() {
    close();
    if (openedOnJack_) {
        // RtMidi frees the buffer its JACK thread reads before it closes its JACK client; a
        // cycle that began before the port closed, and was held back by a busy machine, can
        // still be reading it. The time for a few cycles lets such a cycle end first.
        std::this_thread::sleep_for(kJackReleaseDelay);
    }
    midi_.reset();
}

bool RtMidiOutput::makeMidi(RtMidi::Api api, QString& reason) {
    return RtMidiSystemPort::makeMidi(midi_, link_, api, reason);
}

void RtMidiOutput::dropSystem(const QString& reason) {
    letGoOfSystem(midi_, link_, reason, [this] { loseDevice(); });
}

void RtMidiOutput::attachSystem(RtMidi::Api api) {
    if (midi_)
        return;
    QString reason;
    makeMidi(api, reason);
}

int RtMidiOutput::deviceCount() {
    return link_.deviceCount();
}

QString RtMidiOutput::deviceName(int index) {
    return link_.deviceName(index);
}

void RtMidiOutput::selectDevice(int index) {
    link_.select(index);
}

void RtMidiOutput::open() {
    close();
    link_.open();
    watch_.start();
    switch (link_.api()) {
    case RtMidi::UNIX_JACK:
        openedOnJack_ = true;
        limit_ = RtMidiBurstLimit::forJack();
        break;
    case RtMidi::LINUX_ALSA:
        limit_ = RtMidiBurstLimit::forAlsa();
        break;
    default:
        limit_ = RtMidiBurstLimit{};
        break;
    }
    tokens_ = limit_.burstBytes;
    refilled_ = Clock::now();
    backlog_.reset();
}

void RtMidiOutput::close() {
    // What waits still goes out, at the pace the system takes it, before the port closes.
    if (link_.isOpen()) {
        drainBlocking();
        // RtMidi's JACK thread takes what was handed over at its next cycle, and RtMidi's
        // close waits for a cycle that may have read its buffer just before the last message
        // arrived: that message would be lost with the port. A few cycles first let it go.
        if (link_.api() == RtMidi::UNIX_JACK)
            std::this_thread::sleep_for(jackCloseGrace());
    }
    dropWaiting();
    watch_.stop();
    link_.close();
}

std::chrono::milliseconds RtMidiOutput::jackCloseGrace() const {
    const double periodMs = limit_.bytesPerMs > 0 ? limit_.burstBytes / limit_.bytesPerMs : 0;
    const auto cycles = std::chrono::milliseconds(static_cast<int>(std::ceil(3 * periodMs)));
    return std::clamp(cycles, kJackCloseGraceMin, kJackCloseGraceMax);
}

void RtMidiOutput::sendShort(uint8_t status, uint8_t data1, uint8_t data2) {
    if (!link_.isOpen())
        return;
    const int length = midi::shortMessageLength(status);
    const unsigned char bytes[3] = {status, data1, data2};
    if (!isShortMessage(bytes, length)) {
        fail(RtMidiBackend::BadMessage, QStringLiteral("Not a MIDI message, not sent: %1")
                                            .arg(hex(bytes, static_cast<size_t>(length))));
        return;
    }
    pace(bytes, static_cast<size_t>(length), nullptr);
}

void RtMidiOutput::sendSysex(const QByteArray& bytes) {
    if (!link_.isOpen() || bytes.isEmpty())
        return;
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<size_t>(bytes.size());
    size_t longest = 0;
    if (!isSysexSequence(data, size, longest)) {
        fail(RtMidiBackend::BadMessage,
             QStringLiteral("Not a system-exclusive message, not sent: %1").arg(hex(data, size)));
        return;
    }
    if (link_.api() == RtMidi::UNIX_JACK && longest > kJackLongestMessage) {
        fail(RtMidiBackend::SendFailed,
             QStringLiteral("A system-exclusive message of %1 bytes is too long for JACK (at most "
                            "%2 bytes), not sent")
                 .arg(longest)
                 .arg(kJackLongestMessage));
        return;
    }
    if (limit_.longestMessage > 0 && longest > limit_.longestMessage) {
        fail(RtMidiBackend::SendFailed,
             QStringLiteral("A system-exclusive message of %1 bytes is too long for the MIDI "
                            "system's buffer at its present settings (at most %2 bytes), not sent")
                 .arg(longest)
                 .arg(limit_.longestMessage));
        return;
    }
    // JACK and ALSA carry one MIDI message per event, so each F0 ... F7 is handed over on its
    // own; they still leave back to back.
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != midi::SysexEnd)
            continue;
        const bool whole = start == 0 && i + 1 == size;
        if (!pace(data + start, i + 1 - start, whole ? &bytes : nullptr))
            return;
        start = i + 1;
    }
}

bool RtMidiOutput::pace(const unsigned char* bytes, size_t size, const QByteArray* whole) {
    if (!limit_.limits())
        return transmit(bytes, size);
    if (backlog_.empty() && mayTake(size)) {
        backlog_.passed(bytes, size);
        return transmit(bytes, size);
    }
    if (!backlog_.push(bytes, size, whole)) {
        emit messageDropped();
        return true;
    }
    if (!drain_.isActive())
        drain_.start(1);
    return true;
}

bool RtMidiOutput::mayTake(size_t size) {
    const Clock::time_point now = Clock::now();
    const double elapsedMs = std::chrono::duration<double, std::milli>(now - refilled_).count();
    refilled_ = now;
    tokens_ = std::min(limit_.burstBytes, tokens_ + elapsedMs * limit_.bytesPerMs);
    const double cost = static_cast<double>(size + limit_.overheadPerMessage);
    // A message larger than a whole burst goes alone, once the bucket is full.
    if (tokens_ < std::min(cost, limit_.burstBytes))
        return false;
    tokens_ -= cost;
    return true;
}

void RtMidiOutput::drainWaiting() {
    while (!backlog_.empty() && link_.isOpen()) {
        const size_t size = backlog_.front().size();
        if (!mayTake(size)) {
            const double cost = static_cast<double>(size + limit_.overheadPerMessage);
            const double missing = std::min(cost, limit_.burstBytes) - tokens_;
            drain_.start(std::max(1, static_cast<int>(std::ceil(missing / limit_.bytesPerMs))));
            return;
        }
        // A copy shares the bytes of a system-exclusive message: nothing is allocated.
        const OutputBacklog::Item item = backlog_.front();
        backlog_.pop();
        if (!transmit(item.data(), size)) {
            dropWaiting();
            return;
        }
    }
    if (!link_.isOpen())
        dropWaiting();
}

void RtMidiOutput::drainBlocking() {
    drain_.stop();
    while (!backlog_.empty() && link_.isOpen()) {
        drainWaiting();
        if (!backlog_.empty()) {
            drain_.stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
}

void RtMidiOutput::dropWaiting() {
    drain_.stop();
    backlog_.clear();
}

bool RtMidiOutput::transmit(const unsigned char* bytes, size_t size) {
    RtMidiErrorTrap& trap = link_.trap();
    QString failure;
    try {
        midi_->sendMessage(bytes, size);
        if (!trap.caught())
            return true;
        failure = trap.take();
    } catch (const std::exception& e) {
        failure = QString::fromLocal8Bit(e.what()).trimmed();
    }
    if (!link_.deviceStillThere()) {
        loseDevice();
        return false;
    }
    fail(RtMidiBackend::SendFailed,
         QStringLiteral("The MIDI output device \"%1\" could not send: %2")
             .arg(link_.openDevice(), failure));
    return false;
}

void RtMidiOutput::fail(int code, const QString& text) {
    // One report of a failure at a time: a device that fails on every message must not bury
    // the player under the same message.
    if (pendingErrors_.contains(text))
        return;
    pendingErrors_.append(text);
    QMetaObject::invokeMethod(
        this,
        [this, code, text] {
            pendingErrors_.removeOne(text);
            emit error(code, text);
        },
        Qt::QueuedConnection);
}

void RtMidiOutput::loseDevice() {
    const QString device = link_.openDevice();
    // Nothing waiting goes to a device that is gone, and no time is given to a MIDI system
    // that may be gone with it.
    dropWaiting();
    watch_.stop();
    link_.close();
    // Raised from the event loop, as the error is: the port may be in the middle of a send
    // of the console's.
    QMetaObject::invokeMethod(
        this, [this] { emit deviceLost(); }, Qt::QueuedConnection);
    fail(RtMidiBackend::DeviceGone,
         QStringLiteral("The MIDI output device \"%1\" is no longer available").arg(device));
}

void RtMidiOutput::watchDevice() {
    if (!link_.isOpen()) {
        watch_.stop();
        return;
    }
    QString text;
    if (link_.takeLateError(text))
        fail(RtMidiBackend::SystemError, text);
    if (!link_.deviceStillThere())
        loseDevice();
}

} // namespace vorlo
