#include "GsAddress.h"

#include "GsConstants.h"

namespace vorlo {
namespace {

constexpr int kPartTen = 10;
constexpr uint8_t kBlockOfPartTen = 0;

} // namespace

GsAddress GsAddress::ofPart(int part, uint8_t blockKind, uint8_t parameter) {
    return {portOf(part), static_cast<uint8_t>(blockKind | blockNumberOf(part)), parameter};
}

uint8_t GsAddress::portOf(int part) {
    return part <= gs::PartsPerPort ? gs::PortA : gs::PortB;
}

uint8_t GsAddress::blockNumberOf(int part) {
    const int onPort = (part - 1) % gs::PartsPerPort + 1;
    if (onPort == kPartTen)
        return kBlockOfPartTen;
    return static_cast<uint8_t>(onPort < kPartTen ? onPort : onPort - 1);
}

int GsAddress::partOnPort(uint8_t blockNumber) {
    const int x = blockNumber & gs::BlockNumberMask;
    if (x == kBlockOfPartTen)
        return kPartTen;
    return x < kPartTen ? x : x + 1;
}

int GsAddress::partOf(uint8_t high, uint8_t middle) {
    if (high != gs::PortA && high != gs::PortB)
        return 0;
    return partOnPort(middle) + (high == gs::PortB ? gs::PartsPerPort : 0);
}

bool GsAddress::isPartBlock(uint8_t middle) {
    const uint8_t kind = middle & gs::BlockKindMask;
    return kind == gs::PartParameterBlock || kind == gs::ControllerBlock ||
           kind == gs::PartExtraBlock;
}

GsAddress GsAddress::next() const {
    GsAddress a = *this;
    if (++a.low > gs::AddressByteMax) {
        a.low = 0;
        if (++a.middle > gs::AddressByteMax) {
            a.middle = 0;
            ++a.high;
        }
    }
    return a;
}

} // namespace vorlo
