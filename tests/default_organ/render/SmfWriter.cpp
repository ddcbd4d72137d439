#include "SmfWriter.h"

#include <QtEndian>

namespace {

constexpr unsigned char kSysex = 0xF0;
constexpr unsigned char kMeta = 0xFF;
constexpr unsigned char kPortMeta = 0x21;
constexpr unsigned char kEndOfTrack = 0x2F;

QByteArray variableLength(quint32 n) {
    QByteArray out(1, static_cast<char>(n & 0x7F));
    while (n >>= 7)
        out.prepend(static_cast<char>((n & 0x7F) | 0x80));
    return out;
}

QByteArray be32(quint32 v) {
    QByteArray b(4, 0);
    qToBigEndian(v, b.data());
    return b;
}

QByteArray be16(quint16 v) {
    QByteArray b(2, 0);
    qToBigEndian(v, b.data());
    return b;
}

} // namespace

void SmfWriter::beginTrack(int port) {
    QByteArray t;
    t += variableLength(0);
    t += static_cast<char>(kMeta);
    t += static_cast<char>(kPortMeta);
    t += static_cast<char>(1);
    t += static_cast<char>(port);
    tracks_.push_back(t);
}

void SmfWriter::event(int delta, const QByteArray& message) {
    if (tracks_.empty() || message.isEmpty())
        return;
    QByteArray& t = tracks_.back();
    t += variableLength(static_cast<quint32>(delta));
    if (static_cast<unsigned char>(message[0]) == kSysex) {
        t += static_cast<char>(kSysex);
        t += variableLength(static_cast<quint32>(message.size() - 1));
        t += message.mid(1);
    } else {
        t += message;
    }
}

QByteArray SmfWriter::bytes() const {
    QByteArray out = QByteArrayLiteral("MThd") + be32(6) + be16(1) +
                     be16(static_cast<quint16>(tracks_.size())) + be16(kTicksPerQuarter);
    for (const QByteArray& t : tracks_) {
        QByteArray body = t;
        body += variableLength(0);
        body += static_cast<char>(kMeta);
        body += static_cast<char>(kEndOfTrack);
        body += static_cast<char>(0);
        out += QByteArrayLiteral("MTrk") + be32(static_cast<quint32>(body.size())) + body;
    }
    return out;
}
