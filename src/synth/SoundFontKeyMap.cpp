#include "SoundFontKeyMap.h"

#include <QFile>
#include <QtEndian>
#include <algorithm>
#include <map>

namespace vorlo {
namespace {

// SoundFont 2 record sizes and generator numbers.
constexpr int kPresetHeader = 38;
constexpr int kPresetBagAt = 24;
constexpr int kInstrumentHeader = 22;
constexpr int kInstrumentBagAt = 20;
constexpr int kBag = 4;
constexpr int kGen = 4;
constexpr uint16_t kGenInstrument = 41;
constexpr uint16_t kGenKeyRange = 43;
constexpr uint16_t kGenVelRange = 44;
constexpr uint16_t kGenSampleId = 53;
// The pdta list is small (kilobytes); anything near this is no SoundFont.
constexpr quint32 kLargestTables = 64u << 20;

int u16At(const QByteArray& b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.constData() + at);
}

} // namespace

bool SoundFontKeyMap::read(const QString& path) {
    presets_.clear();
    presetZones_.clear();
    instrumentZones_.clear();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray riff = f.read(12);
    if (riff.size() != 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "sfbk")
        return false;
    QByteArray pdta;
    while (pdta.isEmpty()) {
        const QByteArray head = f.read(12);
        if (head.size() < 8)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + 4);
        if (head.startsWith("LIST") && head.size() == 12 && head.mid(8, 4) == "pdta") {
            if (size < 4 || size > kLargestTables)
                return false;
            pdta = f.read(size - 4);
            if (pdta.size() != qsizetype(size - 4))
                return false;
        } else if (!f.seek(f.pos() - head.size() + 8 + size + (size & 1))) {
            return false;
        }
    }
    std::map<QByteArray, QByteArray> sub;
    for (qsizetype at = 0; at + 8 <= pdta.size();) {
        const quint32 size = qFromLittleEndian<quint32>(pdta.constData() + at + 4);
        if (size > quint32(pdta.size() - at - 8))
            return false;
        sub[pdta.mid(at, 4)] = pdta.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    const QByteArray& phdr = sub["phdr"];
    presetZones_ =
        zones(phdr, kPresetHeader, kPresetBagAt, sub["pbag"], sub["pgen"], kGenInstrument);
    instrumentZones_ = zones(sub["inst"], kInstrumentHeader, kInstrumentBagAt, sub["ibag"],
                             sub["igen"], kGenSampleId);
    for (size_t p = 0; p < presetZones_.size(); ++p) {
        const qsizetype at = qsizetype(p) * kPresetHeader;
        presets_.push_back({u16At(phdr, at + 22), u16At(phdr, at + 20)});
    }
    return !presets_.empty() && !instrumentZones_.empty();
}

std::vector<std::vector<SoundFontKeyMap::Zone>>
SoundFontKeyMap::zones(const QByteArray& headers, int headerSize, int bagAt, const QByteArray& bags,
                       const QByteArray& gens, int linkGenerator) {
    std::vector<std::vector<Zone>> all;
    const qsizetype count = headers.size() / headerSize; // the last one only ends the list
    const qsizetype bagCount = bags.size() / kBag;
    const qsizetype genCount = gens.size() / kGen;
    for (qsizetype h = 0; h + 1 < count; ++h) {
        std::vector<Zone> list;
        Zone global;
        const int firstBag = u16At(headers, h * headerSize + bagAt);
        const int endBag = u16At(headers, (h + 1) * headerSize + bagAt);
        for (int b = firstBag; b < endBag && b + 1 < bagCount; ++b) {
            Zone z = global;
            const int firstGen = u16At(bags, qsizetype(b) * kBag);
            const int endGen = u16At(bags, qsizetype(b + 1) * kBag);
            for (int g = firstGen; g < endGen && g < genCount; ++g) {
                const qsizetype at = qsizetype(g) * kGen;
                const int op = u16At(gens, at);
                const auto lo = static_cast<uint8_t>(gens[at + 2]);
                const auto hi = static_cast<uint8_t>(gens[at + 3]);
                if (op == kGenKeyRange) {
                    z.keyLow = lo;
                    z.keyHigh = hi;
                } else if (op == kGenVelRange) {
                    z.velLow = lo;
                    z.velHigh = hi;
                } else if (op == linkGenerator) {
                    z.link = u16At(gens, at + 2);
                }
            }
            if (z.link >= 0)
                list.push_back(z);
            else if (b == firstBag)
                global = z;
        }
        all.push_back(std::move(list));
    }
    return all;
}

std::vector<int> SoundFontKeyMap::rangesOf(int bank, int program, int velocity) const {
    const auto preset = std::find_if(presets_.begin(), presets_.end(), [&](const Preset& p) {
        return p.bank == bank && p.program == program;
    });
    if (preset == presets_.end())
        return {};
    const auto inside = [&](const Zone& z, int key) {
        return key >= z.keyLow && key <= z.keyHigh && velocity >= z.velLow && velocity <= z.velHigh;
    };
    std::vector<int> ranges(kKeys, -1);
    std::map<std::vector<int>, int> numbers;
    for (int key = 0; key < kKeys; ++key) {
        // The pairs of preset and instrument zone that sound: each has its own sample and
        // tuning generators.
        std::vector<int> samples;
        const auto& zones = presetZones_[size_t(preset - presets_.begin())];
        for (size_t p = 0; p < zones.size(); ++p) {
            const Zone& pz = zones[p];
            if (!inside(pz, key) || pz.link >= int(instrumentZones_.size()))
                continue;
            const auto& inner = instrumentZones_[size_t(pz.link)];
            for (size_t i = 0; i < inner.size(); ++i) {
                if (inside(inner[i], key))
                    samples.push_back(int(p << 16 | i));
            }
        }
        if (samples.empty())
            continue;
        std::sort(samples.begin(), samples.end());
        ranges[size_t(key)] = numbers.emplace(samples, int(numbers.size())).first->second;
    }
    return ranges;
}

} // namespace vorlo
