#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

namespace vorlo {

// The Roland rule: 128 - (sum of address and data bytes mod 128), 0 when that is 128.
class RolandChecksum {
public:
    static uint8_t compute(QByteArrayView addressAndData);
    // A complete GS data-set message F0 41 dev 42 12 addr... data... sum F7.
    static QByteArray dataSet(uint8_t device, QByteArrayView addressAndData);
    // True when the bytes are one F0..F7 message whose checksum (the byte before F7) is right
    // over the bytes after the five header bytes.
    static bool isValidDataSet(QByteArrayView message);
};

} // namespace vorlo
