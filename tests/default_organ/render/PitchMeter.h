#pragma once

#include <cstdint>
#include <vector>

// Level and pitch of a steady stretch of a rendered note.
class PitchMeter {
public:
    static double rms(const std::vector<int16_t>& x);
    // The frequency in Hz of the strongest period within six per cent of the expected one
    // (autocorrelation with a parabola through its peak); 0 when the stretch is too short.
    static double frequency(const std::vector<int16_t>& x, int sampleRate, double expectedHz);
};
