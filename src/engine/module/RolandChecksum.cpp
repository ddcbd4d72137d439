#include "RolandChecksum.h"

#include "GsConstants.h"
#include "MidiConstants.h"

namespace vorlo {
namespace {

// Header, checksum and F7 with at least a two-byte body.
constexpr qsizetype kShortestFramed = 9;

} // namespace

uint8_t RolandChecksum::compute(QByteArrayView addressAndData) {
    unsigned sum = 0;
    for (char c : addressAndData)
        sum += static_cast<unsigned char>(c);
    return static_cast<uint8_t>((128 - sum % 128) % 128);
}

QByteArray RolandChecksum::dataSet(uint8_t device, QByteArrayView addressAndData) {
    QByteArray m;
    m.reserve(addressAndData.size() + gs::HeaderBytes + 2);
    m.append(static_cast<char>(midi::SysexStart));
    m.append(static_cast<char>(gs::RolandId));
    m.append(static_cast<char>(device));
    m.append(static_cast<char>(gs::GsModelId));
    m.append(static_cast<char>(gs::DataSetCommand));
    m.append(addressAndData.data(), addressAndData.size());
    m.append(static_cast<char>(compute(addressAndData)));
    m.append(static_cast<char>(midi::SysexEnd));
    return m;
}

bool RolandChecksum::isValidDataSet(QByteArrayView message) {
    if (message.size() < kShortestFramed)
        return false;
    if (static_cast<uint8_t>(message.front()) != midi::SysexStart ||
        static_cast<uint8_t>(message.back()) != midi::SysexEnd)
        return false;
    const auto body = message.sliced(gs::HeaderBytes, message.size() - gs::HeaderBytes - 2);
    return compute(body) == static_cast<uint8_t>(message[message.size() - 2]);
}

} // namespace vorlo
