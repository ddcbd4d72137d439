#include "SysexSequence.h"

#include "MidiConstants.h"

#include <cstdint>

namespace vorlo {
namespace {

constexpr uint8_t kFirstStatus = 0x80;

} // namespace

bool SysexSequence::isComplete(QByteArrayView bytes, Inside inside) {
    if (bytes.isEmpty())
        return false;
    bool inMessage = false;
    for (const char c : bytes) {
        const auto b = static_cast<uint8_t>(c);
        if (!inMessage) {
            if (b != midi::SysexStart)
                return false;
            inMessage = true;
        } else if (b == midi::SysexEnd) {
            inMessage = false;
        } else if (b >= kFirstStatus && inside == Inside::DataBytesOnly) {
            return false;
        }
    }
    return !inMessage;
}

SysexSequence::Pieces SysexSequence::split(QByteArrayView bytes) {
    Pieces r;
    qsizetype start = 0;
    while (start < bytes.size()) {
        const qsizetype end = bytes.indexOf(static_cast<char>(midi::SysexEnd), start);
        if (end < 0) {
            r.tail = bytes.sliced(start);
            break;
        }
        r.pieces.push_back(bytes.sliced(start, end + 1 - start));
        start = end + 1;
    }
    return r;
}

QByteArrayView SysexSequence::lastMessageIn(QByteArrayView piece) {
    const qsizetype start = piece.lastIndexOf(static_cast<char>(midi::SysexStart));
    return start < 0 ? QByteArrayView() : piece.sliced(start);
}

} // namespace vorlo
