#pragma once

#include <cstdint>

namespace vorlo::color {

// Colours are stored the way the console's design states them: 0x00BBGGRR for a plain colour,
// 0x80000000 + n for system colour n. The panel layer maps system colours to the platform's
// palette; the lit and unlit colours only have to stay distinct.
constexpr uint32_t system(int n) {
    return 0x80000000u + static_cast<uint32_t>(n);
}
constexpr bool isSystem(uint32_t c) {
    return (c & 0x80000000u) != 0;
}
constexpr uint32_t rgb(int r, int g, int b) {
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) |
           (static_cast<uint32_t>(b) << 16);
}

inline constexpr uint32_t None = 0xFFFFFFFFu;      // not set: the platform's default
inline constexpr uint32_t Lit = system(9);         // lit buttons, indicators and stop names
inline constexpr uint32_t ButtonFace = system(15); // unlit
inline constexpr uint32_t Unlit = ButtonFace;
inline constexpr uint32_t ActiveBorder = system(10); // memory indicators switched off
inline constexpr uint32_t ButtonText = system(18);   // stop names with data
inline constexpr uint32_t Green = rgb(0, 192, 0);    // free memory recalled or stored
inline constexpr uint32_t Yellow = rgb(255, 255, 0); // free memory changed since
inline constexpr uint32_t White = rgb(255, 255, 255);
inline constexpr uint32_t LightGrey = rgb(192, 192, 192);
// Editor fields whose data is not a sequence of complete system-exclusive messages.
inline constexpr uint32_t NotSendable = rgb(255, 160, 160);

} // namespace vorlo::color
