#include "GsMap.h"

#include "midi/RolandChecksum.h"

namespace vorlo::datgen {

namespace {
constexpr int kPartTen = 10;
constexpr int kBlockOfPartTen = 0;
} // namespace

uint8_t GsMap::portByte(int part) {
    return part <= kPartsPerPort ? kPortA : kPortB;
}

uint8_t GsMap::blockNumber(int part) {
    const int onPort = (part - 1) % kPartsPerPort + 1;
    if (onPort == kPartTen)
        return kBlockOfPartTen;
    return static_cast<uint8_t>(onPort < kPartTen ? onPort : onPort - 1);
}

QByteArray GsMap::partParameter(uint8_t device, int part, uint8_t parameter, QByteArrayView data) {
    QByteArray body;
    body.append(static_cast<char>(portByte(part)));
    body.append(static_cast<char>(kPartBlock | blockNumber(part)));
    body.append(static_cast<char>(parameter));
    body.append(data.data(), data.size());
    return RolandChecksum::dataSet(device, body);
}

QByteArray GsMap::partParameter(uint8_t device, int part, uint8_t parameter, uint8_t value) {
    const char byte = static_cast<char>(value);
    return partParameter(device, part, parameter, QByteArrayView(&byte, 1));
}

QByteArray GsMap::controllerDestination(uint8_t device, int part, uint8_t source,
                                        uint8_t destination, uint8_t value) {
    const char body[] = {static_cast<char>(portByte(part)),
                         static_cast<char>(kControllerBlock | blockNumber(part)),
                         static_cast<char>(source | destination), static_cast<char>(value)};
    return RolandChecksum::dataSet(device, QByteArrayView(body, sizeof body));
}

QByteArray GsMap::systemParameter(uint8_t device, uint8_t block, uint8_t parameter, uint8_t value) {
    const char body[] = {static_cast<char>(kPortA), static_cast<char>(block),
                         static_cast<char>(parameter), static_cast<char>(value)};
    return RolandChecksum::dataSet(device, QByteArrayView(body, sizeof body));
}

} // namespace vorlo::datgen
