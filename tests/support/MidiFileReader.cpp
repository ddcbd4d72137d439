#include "MidiFileReader.h"

#include <QtEndian>

namespace vorlo::test {
namespace {

constexpr uint8_t kSysex = 0xF0;
constexpr uint8_t kEscape = 0xF7;
constexpr uint8_t kMeta = 0xFF;

} // namespace

MidiFileReader::MidiFileReader(const QByteArray& file) {
    const auto* d = reinterpret_cast<const uint8_t*>(file.constData());
    const auto size = static_cast<size_t>(file.size());
    auto fail = [this](const QString& why) {
        error = why;
        ok = false;
    };
    if (size < 22 || file.left(4) != "MThd" || qFromBigEndian<quint32>(d + 4) != 6) {
        fail(QStringLiteral("no MThd header of six bytes"));
        return;
    }
    format = qFromBigEndian<quint16>(d + 8);
    tracks = qFromBigEndian<quint16>(d + 10);
    division = qFromBigEndian<quint16>(d + 12);
    if (file.mid(14, 4) != "MTrk") {
        fail(QStringLiteral("no MTrk chunk"));
        return;
    }
    const size_t length = qFromBigEndian<quint32>(d + 18);
    if (22 + length != size) {
        fail(QStringLiteral("track length %1 for %2 bytes").arg(length).arg(size - 22));
        return;
    }
    size_t at = 22;
    uint32_t tick = 0;
    auto varLen = [&](uint32_t& value) {
        value = 0;
        for (int i = 0; i < 4; ++i) {
            if (at >= size)
                return false;
            const uint8_t b = d[at++];
            value = (value << 7) | (b & 0x7F);
            if (!(b & 0x80))
                return true;
        }
        return false;
    };
    bool ended = false;
    while (at < size) {
        if (ended) {
            fail(QStringLiteral("events after the end of the track"));
            return;
        }
        uint32_t delta = 0;
        if (!varLen(delta) || at >= size) {
            fail(QStringLiteral("bad delta at %1").arg(at));
            return;
        }
        tick += delta;
        Event e;
        e.tick = tick;
        const uint8_t status = d[at++];
        if (status == kSysex || status == kEscape) {
            uint32_t n = 0;
            if (!varLen(n) || at + n > size) {
                fail(QStringLiteral("bad system-exclusive length at %1").arg(at));
                return;
            }
            if (status == kSysex)
                e.bytes.append(static_cast<char>(kSysex));
            e.bytes.append(reinterpret_cast<const char*>(d + at), n);
            at += n;
        } else if (status == kMeta) {
            if (at >= size) {
                fail(QStringLiteral("cut meta event"));
                return;
            }
            const uint8_t type = d[at++];
            uint32_t n = 0;
            if (!varLen(n) || at + n > size) {
                fail(QStringLiteral("bad meta length at %1").arg(at));
                return;
            }
            e.meta = true;
            e.bytes.append(static_cast<char>(kMeta));
            e.bytes.append(static_cast<char>(type));
            e.bytes.append(reinterpret_cast<const char*>(d + at), n);
            at += n;
            ended = type == 0x2F;
        } else if (status >= 0x80 && status < 0xF0) {
            const uint8_t kind = status & 0xF0;
            const size_t n = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            if (at + n > size) {
                fail(QStringLiteral("cut channel message at %1").arg(at));
                return;
            }
            e.bytes.append(static_cast<char>(status));
            e.bytes.append(reinterpret_cast<const char*>(d + at), static_cast<qsizetype>(n));
            at += n;
        } else {
            {
                fail(QStringLiteral("status %1 at %2 (running status is not written)")
                         .arg(status, 2, 16)
                         .arg(at - 1));
                return;
            }
        }
        events.push_back(e);
    }
    if (!ended) {
        fail(QStringLiteral("no end of track"));
        return;
    }
    ok = true;
}

QByteArray MidiFileReader::messageBytes() const {
    QByteArray all;
    for (const Event& e : events)
        if (!e.meta)
            all += e.bytes;
    return all;
}

std::vector<MidiFileReader::Event> MidiFileReader::withStatus(uint8_t status) const {
    std::vector<Event> found;
    for (const Event& e : events)
        if (!e.meta && !e.bytes.isEmpty() && static_cast<uint8_t>(e.bytes[0]) == status)
            found.push_back(e);
    return found;
}

} // namespace vorlo::test
