#include "OnsetDetector.h"

#include <algorithm>
#include <cmath>

namespace vorlo::bench {

void OnsetDetector::feed(const float* samples, int count, int stride, double firstUs,
                         double periodUs, double arrivalUs) {
    double lastLoud = lastLoudUs_.load(std::memory_order_relaxed);
    float peak = peak_.load(std::memory_order_relaxed);
    for (int i = 0; i < count; ++i) {
        float v = 0;
        for (int c = 0; c < stride; ++c)
            v = std::max(v, std::fabs(samples[i * stride + c]));
        peak = std::max(peak, v);
        if (v <= threshold_)
            continue;
        const double t = firstUs + i * periodUs;
        const int n = count_.load(std::memory_order_relaxed);
        if (t - lastLoud >= quietGapUs_ && n < kMaxOnsets) {
            onsets_[static_cast<size_t>(n)] = {t, arrivalUs, v};
            count_.store(n + 1, std::memory_order_release);
        }
        lastLoud = t;
    }
    peak_.store(peak, std::memory_order_relaxed);
    lastLoudUs_.store(lastLoud, std::memory_order_relaxed);
    lastFedUs_.store(firstUs + (count - 1) * periodUs, std::memory_order_relaxed);
    fed_.store(true, std::memory_order_release);
}

double OnsetDetector::quietForUs() const {
    if (!fed_.load(std::memory_order_acquire))
        return -1;
    return lastFedUs_.load(std::memory_order_relaxed) - lastLoudUs_.load(std::memory_order_relaxed);
}

} // namespace vorlo::bench
