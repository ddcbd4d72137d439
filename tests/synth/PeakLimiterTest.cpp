// The safety limiter on pure tones: below the ceiling the sound passes untouched, only delayed;
// a steady tone far above it comes out at the ceiling and still a pure tone, low notes included.
#include "PeakLimiter.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

using vorlo::PeakLimiter;

namespace {

constexpr double kRate = 48000;

std::vector<float> tone(double frequency, double amplitude, int frames) {
    std::vector<float> x(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i)
        x[size_t(i)] = float(amplitude * std::sin(2 * std::numbers::pi * frequency * i / kRate));
    return x;
}

// What is left of x[from..] after the best-fitting sine of this frequency, in dB below x.
double distortionDb(const std::vector<float>& x, size_t from, double frequency) {
    double cc = 0, ss = 0, cs = 0, yc = 0, ys = 0;
    for (size_t i = from; i < x.size(); ++i) {
        const double c = std::cos(2 * std::numbers::pi * frequency * double(i) / kRate);
        const double s = std::sin(2 * std::numbers::pi * frequency * double(i) / kRate);
        cc += c * c, ss += s * s, cs += c * s, yc += x[i] * c, ys += x[i] * s;
    }
    const double det = cc * ss - cs * cs;
    const double a = (yc * ss - ys * cs) / det, b = (ys * cc - yc * cs) / det;
    double rest = 0, all = 0;
    for (size_t i = from; i < x.size(); ++i) {
        const double fit = a * std::cos(2 * std::numbers::pi * frequency * double(i) / kRate) +
                           b * std::sin(2 * std::numbers::pi * frequency * double(i) / kRate);
        rest += (x[i] - fit) * (x[i] - fit);
        all += double(x[i]) * x[i];
    }
    return 10 * std::log10(rest / all);
}

} // namespace

TEST(PeakLimiter, PassesQuietSoundAndHoldsLoudToneAtTheCeilingUndistorted) {
    const int frames = int(kRate * 2.5);
    {
        PeakLimiter limiter(kRate);
        std::vector<float> l = tone(440, 0.8, frames), r = l;
        limiter.process(l.data(), r.data(), frames);
        const std::vector<float> in = tone(440, 0.8, frames);
        const int delay = limiter.latencyFrames();
        for (int i = delay; i < frames; i += 97)
            ASSERT_EQ(l[size_t(i)], in[size_t(i - delay)]) << "frame " << i;
    }
    // Four times full scale (+12 dBFS): the 16' pipe's C, 32.7 Hz, and a 4' C.
    for (const double frequency : {32.7, 261.6}) {
        PeakLimiter limiter(kRate);
        std::vector<float> l = tone(frequency, 4.0, frames), r = l;
        for (int at = 0; at < frames; at += 128)
            limiter.process(l.data() + at, r.data() + at, std::min(128, frames - at));
        float peak = 0;
        for (float v : l)
            peak = std::max(peak, std::fabs(v));
        EXPECT_LE(peak, limiter.ceiling()) << frequency << " Hz";
        EXPECT_GT(peak, limiter.ceiling() * 0.99f) << frequency << " Hz";
        EXPECT_LT(distortionDb(l, size_t(kRate), frequency), -80.0)
            << frequency << " Hz: the gain follows the waveform";
    }
}
