#pragma once

#include <QByteArray>

#include <cstdint>

namespace vorlo::artgen {

// Packs codes of varying width into bytes, least significant bit first, as GIF's LZW data is
// laid out.
class BitPacker {
public:
    void put(int code, int width);
    // The bytes so far, the last one padded with zero bits.
    QByteArray finish();

private:
    QByteArray m_out;
    std::uint32_t m_buffer = 0;
    int m_bits = 0;
};

} // namespace vorlo::artgen
