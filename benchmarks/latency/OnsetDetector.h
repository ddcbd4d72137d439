#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace vorlo::bench {

// Finds where sound starts in a captured signal. One thread (the capture's) feeds it samples
// with the time each one sounds; any other thread reads, without a lock, how long the signal
// has been quiet and the onsets found so far. An onset is the first sample above the threshold
// after the signal stayed below it for at least the quiet gap. Times are microseconds on the
// capture's own clock.
class OnsetDetector {
public:
    struct Onset {
        double soundUs = 0;   // when the first loud sample sounds
        double arrivalUs = 0; // when it reached the capture (the capture's clock), or 0
        float level = 0;      // its absolute value
    };
    static constexpr int kMaxOnsets = 4096;

    OnsetDetector(float threshold, double quietGapUs)
        : threshold_(threshold), quietGapUs_(quietGapUs) {}

    // Samples of one channel (or the louder of two), the first sounding at firstUs and each
    // next one periodUs later; they reached the capture at arrivalUs.
    void feed(const float* samples, int count, int stride, double firstUs, double periodUs,
              double arrivalUs);

    // How long the signal fed last has stayed below the threshold, in microseconds; negative
    // before anything was fed.
    double quietForUs() const;
    int onsetCount() const { return count_.load(std::memory_order_acquire); }
    // Onset n (0-based), once onsetCount() > n.
    const Onset& onset(int n) const { return onsets_[static_cast<size_t>(n)]; }
    // The loudest sample fed so far.
    float peak() const { return peak_.load(std::memory_order_relaxed); }
    float threshold() const { return threshold_; }

private:
    const float threshold_;
    const double quietGapUs_;
    std::atomic<double> lastLoudUs_{-1e18};
    std::atomic<double> lastFedUs_{-1e18};
    std::atomic<bool> fed_{false};
    std::atomic<float> peak_{0.0f};
    std::array<Onset, kMaxOnsets> onsets_{};
    std::atomic<int> count_{0};
};

} // namespace vorlo::bench
