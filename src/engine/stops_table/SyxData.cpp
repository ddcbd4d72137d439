#include "SyxData.h"

#include "GsAddress.h"
#include "GsConstants.h"
#include "GsDataSet.h"
#include "SysexSequence.h"

namespace vorlo {
namespace {

// Positions in a message, counted from 0 at its F0.
constexpr qsizetype kAddressHigh = gs::AddressAt;
constexpr qsizetype kAddressMiddle = gs::AddressAt + 1;
constexpr qsizetype kAddressLow = gs::AddressAt + 2;
constexpr qsizetype kFirstData = gs::DataAt;
// The shortest message that holds a three-byte address: header, address, checksum, F7.
constexpr qsizetype kShortestMessage = gs::DataAt + 2;
// An entry shorter than this has no Swell copy.
constexpr qsizetype kShortestEntry = 10;

// In the bulk form, the part area ends at this middle address byte; message byte 18 (counted
// from 1) is there a part's receive channel.
constexpr uint8_t kBulkPartAreaEnd = 0x17;
constexpr qsizetype kBulkRxChannel = 17;

constexpr uint8_t kLastChannel = 0x0F;
constexpr uint8_t kSwellChannel = 0x01; // channel 2, counted from 0

// Rewrites one message (F0 ... F7, at least kShortestMessage bytes) for the Swell.
QByteArray rebuild(QByteArrayView m) {
    QByteArray out(m.data(), m.size());
    const auto byte = [&out](qsizetype i) { return static_cast<uint8_t>(out[i]); };
    const qsizetype checksumAt = out.size() - 2;
    if (byte(kAddressHigh) == gs::BulkPortA) {
        out[kAddressHigh] = static_cast<char>(gs::BulkPortB);
        if (byte(kAddressMiddle) <= kBulkPartAreaEnd && kBulkRxChannel < checksumAt)
            out[kBulkRxChannel] = static_cast<char>(kSwellChannel);
    } else if (byte(kAddressHigh) == gs::PortA && GsAddress::isPartBlock(byte(kAddressMiddle))) {
        out[kAddressHigh] = static_cast<char>(gs::PortB);
        // The receive channel, when the data written from the address on reaches it.
        if ((byte(kAddressMiddle) & gs::BlockKindMask) == gs::PartParameterBlock &&
            byte(kAddressLow) <= gs::RxChannelParameter) {
            const qsizetype at = kFirstData + (gs::RxChannelParameter - byte(kAddressLow));
            if (at < checksumAt && byte(at) <= kLastChannel)
                out[at] = static_cast<char>(kSwellChannel);
        }
    }
    GsDataSet::seal(out);
    return out;
}

} // namespace

SyxData::SwellConversion SyxData::toSwell(QByteArrayView great) {
    SwellConversion r;
    if (great.size() < kShortestEntry)
        return r;
    const SysexSequence::Pieces split = SysexSequence::split(great);
    for (const QByteArrayView message : split.pieces) {
        if (message.size() < kShortestMessage)
            ++r.shortMessages;
        else
            r.copy.append(rebuild(message));
    }
    r.tailBytes = split.tail.size();
    return r;
}

bool SyxData::isMessageSequence(QByteArrayView bytes) {
    return SysexSequence::isComplete(bytes, SysexSequence::Inside::DataBytesOnly);
}

bool SyxData::holdsMessage(QByteArrayView bytes) {
    for (const QByteArrayView piece : SysexSequence::split(bytes).pieces) {
        if (isMessageSequence(SysexSequence::lastMessageIn(piece)))
            return true;
    }
    return false;
}

} // namespace vorlo
