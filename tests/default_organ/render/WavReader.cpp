#include "WavReader.h"

#include <QtEndian>

namespace {
constexpr int kPcm = 1;
constexpr int kBitsPerSample = 16;
constexpr int kRiffHeader = 12;
constexpr int kChunkHeader = 8;
} // namespace

std::optional<WavReader::Sound> WavReader::parse(const QByteArray& f) {
    if (f.size() < kRiffHeader || !f.startsWith("RIFF") || f.mid(8, 4) != "WAVE")
        return std::nullopt;
    Sound s;
    bool format = false;
    qsizetype pos = kRiffHeader;
    while (pos + kChunkHeader <= f.size()) {
        const QByteArray id = f.mid(pos, 4);
        const auto size = qFromLittleEndian<quint32>(f.constData() + pos + 4);
        const qsizetype body = pos + kChunkHeader;
        const qsizetype available = std::min<qsizetype>(size, f.size() - body);
        if (id == "fmt " && available >= 16) {
            const auto tag = qFromLittleEndian<quint16>(f.constData() + body);
            const auto channels = qFromLittleEndian<quint16>(f.constData() + body + 2);
            s.sampleRate = static_cast<int>(qFromLittleEndian<quint32>(f.constData() + body + 4));
            const auto bits = qFromLittleEndian<quint16>(f.constData() + body + 14);
            format = tag == kPcm && channels == 1 && bits == kBitsPerSample;
        } else if (id == "data" && format) {
            for (qsizetype i = 0; i + 1 < available; i += 2)
                s.samples.push_back(qFromLittleEndian<qint16>(f.constData() + body + i));
            return s;
        }
        pos = body + available + (available & 1);
    }
    return std::nullopt;
}
