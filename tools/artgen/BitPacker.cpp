#include "BitPacker.h"

namespace vorlo::artgen {

void BitPacker::put(int code, int width) {
    m_buffer |= static_cast<std::uint32_t>(code) << m_bits;
    m_bits += width;
    while (m_bits >= 8) {
        m_out.append(static_cast<char>(m_buffer & 0xFF));
        m_buffer >>= 8;
        m_bits -= 8;
    }
}

QByteArray BitPacker::finish() {
    if (m_bits > 0)
        m_out.append(static_cast<char>(m_buffer & 0xFF));
    m_buffer = 0;
    m_bits = 0;
    return m_out;
}

} // namespace vorlo::artgen
