#include "GsMessage.h"

namespace {
constexpr unsigned char kStart = 0xF0;
constexpr unsigned char kEnd = 0xF7;
constexpr unsigned char kRoland = 0x41;
constexpr unsigned char kGs = 0x42;
constexpr unsigned char kDataSet = 0x12;
constexpr int kPortA = 0x40;
constexpr int kPortB = 0x50;
constexpr int kFramingBytes = 10; // F0 41 dev 42 12, three address bytes, sum, F7
constexpr int kAddressStart = 5;
constexpr int kDataStart = 8;
constexpr int kChecksumModulus = 128;
constexpr unsigned char kTopBit = 0x80;
constexpr int kBlockMask = 0xF0;
constexpr int kNumberMask = 0x0F;
constexpr int kPartBlock = 0x10;
constexpr int kControllerBlock = 0x20;
constexpr int kPartTen = 10;
constexpr int kPartsPerPort = 16;
} // namespace

std::optional<std::vector<QByteArray>> GsMessage::split(const QByteArray& entry) {
    std::vector<QByteArray> out;
    qsizetype start = 0;
    while (start < entry.size()) {
        if (static_cast<unsigned char>(entry[start]) != kStart)
            return std::nullopt;
        const qsizetype end = entry.indexOf(static_cast<char>(kEnd), start);
        if (end < 0)
            return std::nullopt;
        const QByteArray m = entry.mid(start, end - start + 1);
        for (qsizetype i = 1; i + 1 < m.size(); ++i)
            if (static_cast<unsigned char>(m[i]) & kTopBit)
                return std::nullopt;
        out.push_back(m);
        start = end + 1;
    }
    return out;
}

std::optional<GsMessage> GsMessage::parse(const QByteArray& m) {
    auto at = [&m](qsizetype i) { return static_cast<unsigned char>(m[i]); };
    if (m.size() <= kFramingBytes || at(0) != kStart || at(1) != kRoland || at(3) != kGs ||
        at(4) != kDataSet || at(m.size() - 1) != kEnd)
        return std::nullopt;
    GsMessage g;
    g.device = at(2);
    int sum = 0;
    for (int i = 0; i < 3; ++i) {
        g.address[i] = at(kAddressStart + i);
        sum += g.address[i];
    }
    g.data = m.mid(kDataStart, m.size() - kFramingBytes);
    for (char c : g.data)
        sum += static_cast<unsigned char>(c);
    // Address, data and checksum together are a multiple of 128.
    g.checksumOk = (sum + at(m.size() - 2)) % kChecksumModulus == 0;
    return g;
}

int GsMessage::part() const {
    if (address[0] != kPortA && address[0] != kPortB)
        return 0;
    const int block = address[1] & kBlockMask;
    if (block != kPartBlock && block != kControllerBlock)
        return 0;
    // Part 10 is block 0, parts 1..9 blocks 1..9, parts 11..16 blocks A..F.
    const int x = address[1] & kNumberMask;
    const int onPort = x == 0 ? kPartTen : (x < kPartTen ? x : x + 1);
    return onPort + (address[0] == kPortB ? kPartsPerPort : 0);
}

bool GsMessage::isPartParameter() const {
    return part() != 0 && (address[1] & kBlockMask) == kPartBlock;
}

bool GsMessage::isControllerDestination() const {
    return part() != 0 && (address[1] & kBlockMask) == kControllerBlock;
}
