#pragma once

#include "GsAddress.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace vorlo {

// The GS data-set (DT1) message: F0 41 dev 42 12, a three-byte address, the data, the Roland
// checksum over address and data, F7.
class GsDataSet {
public:
    struct Fields {
        uint8_t device = 0;
        GsAddress address;
        QByteArrayView data; // into the message read
    };

    static QByteArray make(uint8_t device, GsAddress address, QByteArrayView data);
    static QByteArray make(uint8_t device, GsAddress address, uint8_t value);

    // True when the bytes are one F0 ... F7 message with the data-set header (any device), an
    // address and at least one data byte. Neither the checksum nor the data are looked at.
    static bool hasHeader(QByteArrayView message);
    // The message's fields when the module would take it: the data-set header, only data bytes
    // (below 80h) between the header and F7, and a right checksum. Nothing otherwise.
    static std::optional<Fields> read(QByteArrayView message);
    // Writes the checksum of the address and data into the byte before F7. The message holds
    // at least a header, a checksum and F7.
    static void seal(QByteArray& message);
};

} // namespace vorlo
