#pragma once

#include <cstdint>

namespace vorlo {

// One incoming message as the console reads it: status and two data words (16-bit, as the
// port component delivers them).
struct ShortMessage {
    int16_t status = 0;
    int16_t data1 = 0;
    int16_t data2 = 0;
};

} // namespace vorlo
