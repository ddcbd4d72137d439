#include "PeakLimiter.h"

#include <algorithm>
#include <cmath>

namespace vorlo {

PeakLimiter::PeakLimiter(double sampleRate)
    : ceiling_(static_cast<float>(std::pow(10.0, kCeilingDb / 20.0))),
      lookAhead_(std::max(1, static_cast<int>(std::lround(sampleRate * kLookAheadMs / 1000.0)))),
      holdFrames_(static_cast<int>(std::lround(sampleRate * kHoldMs / 1000.0))),
      holdBand_(static_cast<float>(std::pow(10.0, kHoldBandDb / 20.0))),
      releaseCoefficient_(static_cast<float>(std::exp(-1000.0 / (kReleaseMs * sampleRate)))),
      delayLeft_(static_cast<size_t>(lookAhead_), 0.0f),
      delayRight_(static_cast<size_t>(lookAhead_), 0.0f),
      ramp_(static_cast<size_t>(lookAhead_), 1.0f), rampSum_(lookAhead_),
      windowGain_(static_cast<size_t>(lookAhead_ + 1), 1.0f),
      windowUntil_(static_cast<size_t>(lookAhead_ + 1), 0) {}

float PeakLimiter::takeSmallestGain() {
    const float g = smallest_;
    smallest_ = gain_;
    return g;
}

void PeakLimiter::process(float* left, float* right, int frames) {
    const int window = lookAhead_ + 1;
    for (int i = 0; i < frames; ++i) {
        const float peak = std::max(std::fabs(left[i]), std::fabs(right[i]));
        const float needed = peak > ceiling_ ? ceiling_ / peak : 1.0f;

        // The smallest gain needed by the samples still in the look-ahead, this one included.
        while (windowCount_ > 0 && windowUntil_[size_t(windowFirst_)] < sample_) {
            windowFirst_ = (windowFirst_ + 1) % window;
            --windowCount_;
        }
        while (windowCount_ > 0 &&
               windowGain_[size_t((windowFirst_ + windowCount_ - 1) % window)] >= needed)
            --windowCount_;
        const int last = (windowFirst_ + windowCount_) % window;
        windowGain_[size_t(last)] = needed;
        windowUntil_[size_t(last)] = sample_ + lookAhead_;
        ++windowCount_;
        const float lowest = windowGain_[size_t(windowFirst_)];
        ++sample_;

        // Down at once, held while peaks about as loud keep coming (within kHoldBandDb), then
        // back up slowly; never above what the window needs.
        if (lowest <= gain_) {
            gain_ = lowest;
            hold_ = holdFrames_;
        } else if (lowest < gain_ * holdBand_) {
            hold_ = holdFrames_;
        } else if (hold_ > 0) {
            --hold_;
        } else {
            gain_ = std::min(lowest, 1.0f - (1.0f - gain_) * releaseCoefficient_);
        }

        // Averaged over the look-ahead: the ramp down ends exactly at the sample that needs it,
        // since every gain averaged for a sample came after it entered the window.
        rampSum_ += double(gain_) - double(ramp_[size_t(position_)]);
        ramp_[size_t(position_)] = gain_;
        const float g = std::min(1.0f, static_cast<float>(rampSum_ / lookAhead_));
        smallest_ = std::min(smallest_, g);

        const float outLeft = delayLeft_[size_t(position_)] * g;
        const float outRight = delayRight_[size_t(position_)] * g;
        delayLeft_[size_t(position_)] = left[i];
        delayRight_[size_t(position_)] = right[i];
        position_ = position_ + 1 == lookAhead_ ? 0 : position_ + 1;
        // The gain keeps every sample within the ceiling; the clamp only absorbs rounding.
        left[i] = std::clamp(outLeft, -ceiling_, ceiling_);
        right[i] = std::clamp(outRight, -ceiling_, ceiling_);
    }
}

} // namespace vorlo
