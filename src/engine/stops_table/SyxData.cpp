#include "SyxData.h"

#include "midi/MidiConstants.h"
#include "midi/RolandChecksum.h"

namespace vorlo {
namespace {

// Positions in a message, counted from 0 at its F0.
constexpr qsizetype kHeaderBytes = 5; // F0, maker, device, model, command
constexpr qsizetype kAddressHigh = 5;
constexpr qsizetype kAddressMiddle = 6;
constexpr qsizetype kAddressLow = 7;
constexpr qsizetype kFirstData = 8;
// The shortest message that holds a three-byte address: header, address, checksum, F7.
constexpr qsizetype kShortestMessage = 10;
// An entry shorter than this has no Swell copy.
constexpr qsizetype kShortestEntry = 10;

constexpr uint8_t kBulkGreat = 0x48;
constexpr uint8_t kBulkSwell = 0x58;
// In the bulk form, the part area ends at this middle address byte; message byte 18 (counted
// from 1) is there a part's receive channel.
constexpr uint8_t kBulkPartAreaEnd = 0x17;
constexpr qsizetype kBulkRxChannel = 17;

constexpr uint8_t kPortA = 0x40;
constexpr uint8_t kPortB = 0x50;
constexpr uint8_t kRxChannelParameter = 0x02;
constexpr uint8_t kLastChannel = 0x0F;
constexpr uint8_t kSwellChannel = 0x01; // channel 2, counted from 0

bool isPartBlock(uint8_t middle) {
    const uint8_t block = middle & 0xF0;
    return block == 0x10 || block == 0x20 || block == 0x40;
}

// Rewrites one message (F0 ... F7, at least kShortestMessage bytes) for the Swell.
QByteArray rebuild(QByteArrayView m) {
    QByteArray out(m.data(), m.size());
    const auto byte = [&out](qsizetype i) { return static_cast<uint8_t>(out[i]); };
    const qsizetype checksumAt = out.size() - 2;
    if (byte(kAddressHigh) == kBulkGreat) {
        out[kAddressHigh] = static_cast<char>(kBulkSwell);
        if (byte(kAddressMiddle) <= kBulkPartAreaEnd && kBulkRxChannel < checksumAt)
            out[kBulkRxChannel] = static_cast<char>(kSwellChannel);
    } else if (byte(kAddressHigh) == kPortA && isPartBlock(byte(kAddressMiddle))) {
        out[kAddressHigh] = static_cast<char>(kPortB);
        // The receive channel, when the data written from the address on reaches it.
        if ((byte(kAddressMiddle) & 0xF0) == 0x10 && byte(kAddressLow) <= kRxChannelParameter) {
            const qsizetype at = kFirstData + (kRxChannelParameter - byte(kAddressLow));
            if (at < checksumAt && byte(at) <= kLastChannel)
                out[at] = static_cast<char>(kSwellChannel);
        }
    }
    const QByteArrayView body(out.constData() + kHeaderBytes, checksumAt - kHeaderBytes);
    out[checksumAt] = static_cast<char>(RolandChecksum::compute(body));
    return out;
}

} // namespace

SyxData::SwellConversion SyxData::toSwell(QByteArrayView great) {
    SwellConversion r;
    if (great.size() < kShortestEntry)
        return r;
    qsizetype start = 0;
    while (start < great.size()) {
        const qsizetype end = great.indexOf(static_cast<char>(midi::SysexEnd), start);
        if (end < 0) {
            r.tailBytes = great.size() - start;
            break;
        }
        const QByteArrayView message = great.sliced(start, end + 1 - start);
        if (message.size() < kShortestMessage)
            ++r.shortMessages;
        else
            r.copy.append(rebuild(message));
        start = end + 1;
    }
    return r;
}

bool SyxData::isMessageSequence(QByteArrayView bytes) {
    if (bytes.isEmpty())
        return false;
    bool inside = false;
    for (char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (!inside) {
            if (b != midi::SysexStart)
                return false;
            inside = true;
        } else if (b == midi::SysexEnd) {
            inside = false;
        } else if (b >= 0x80) {
            return false;
        }
    }
    return !inside;
}

} // namespace vorlo
