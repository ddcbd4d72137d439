#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

// One GS data-set message of a stops-table entry, decoded independently of the generator.
class GsMessage {
public:
    // The entry cut at every F7; nullopt when a message does not start with F0, a byte after the
    // last F7 is left over, or a data byte has its top bit set.
    static std::optional<std::vector<QByteArray>> split(const QByteArray& entry);
    // Nullopt unless the bytes are F0 41 dev 42 12 a1 a2 a3 data... sum F7 with at least one
    // data byte.
    static std::optional<GsMessage> parse(const QByteArray& message);

    int device = 0;
    int address[3] = {0, 0, 0};
    QByteArray data;
    bool checksumOk = false;

    // 1..32 when the address is a part's parameter (40/50 1x yy) or controller destination
    // (40/50 2x yy), otherwise 0.
    int part() const;
    bool isPartParameter() const;
    bool isControllerDestination() const;
    int parameter() const { return address[2]; }
    int value() const { return static_cast<unsigned char>(data[0]); }
};
