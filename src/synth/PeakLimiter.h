#pragma once

#include <cstdint>
#include <vector>

namespace vorlo {

// The synthesizer's safety limiter: a stereo look-ahead peak limiter on float buffers. Every
// sample it gives out lies within the ceiling; below the ceiling the sound passes unchanged,
// only delayed by the look-ahead. A peak is met by a gain ramp that ends at the peak (no sample
// is clipped, no step in the gain); the gain holds while peaks about as loud keep coming, and
// for longer than a 16' pipe's period after them, so low notes are not distorted by a gain
// that follows their waveform; then it returns slowly. Both channels take the same gain, so the
// stereo image stays put. Buffers are allocated once, by the constructor: process() allocates
// nothing and may run in an audio callback.
class PeakLimiter {
public:
    static constexpr double kCeilingDb = -1.0;
    static constexpr double kLookAheadMs = 1.0;
    static constexpr double kHoldMs = 50.0;
    static constexpr double kHoldBandDb = 1.0;
    static constexpr double kReleaseMs = 300.0;

    explicit PeakLimiter(double sampleRate);

    // Limits frames of audio in place.
    void process(float* left, float* right, int frames);

    // The largest magnitude it gives out (the ceiling as a linear factor).
    float ceiling() const { return ceiling_; }
    // The delay it adds, in frames.
    int latencyFrames() const { return lookAhead_; }
    // The smallest gain applied since the last call (1: it did not act), for the figures.
    float takeSmallestGain();

private:
    float ceiling_;
    int lookAhead_;
    int holdFrames_;
    float holdBand_;
    float releaseCoefficient_;
    // Delay lines of the look-ahead, and the ring of smoothed gains averaged over it.
    std::vector<float> delayLeft_, delayRight_, ramp_;
    double rampSum_;
    int position_ = 0;
    // The smallest gain the last lookAhead_ + 1 samples need: a queue of increasing gains
    // with the sample at which each leaves the window.
    std::vector<float> windowGain_;
    std::vector<int64_t> windowUntil_;
    int windowFirst_ = 0, windowCount_ = 0;
    int64_t sample_ = 0;
    float gain_ = 1.0f;
    int hold_ = 0;
    float smallest_ = 1.0f;
};

} // namespace vorlo
