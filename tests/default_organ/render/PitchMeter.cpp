#include "PitchMeter.h"

#include <cmath>

namespace {
constexpr double kSearch = 1.06;
}

double PitchMeter::rms(const std::vector<int16_t>& x) {
    if (x.empty())
        return 0.0;
    double sum = 0.0;
    for (int16_t v : x)
        sum += double(v) * v;
    return std::sqrt(sum / double(x.size()));
}

double PitchMeter::frequency(const std::vector<int16_t>& x, int sampleRate, double expectedHz) {
    const int lo = static_cast<int>(sampleRate / (expectedHz * kSearch));
    const int hi = static_cast<int>(sampleRate / (expectedHz / kSearch)) + 1;
    const int n = static_cast<int>(x.size()) - hi - 2;
    if (lo < 2 || n <= 0)
        return 0.0;
    auto correlation = [&](int lag) {
        double s = 0.0;
        for (int i = 0; i < n; ++i)
            s += double(x[static_cast<size_t>(i)]) * x[static_cast<size_t>(i + lag)];
        return s;
    };
    int best = lo;
    double bestValue = correlation(lo);
    for (int lag = lo + 1; lag <= hi; ++lag) {
        const double c = correlation(lag);
        if (c > bestValue) {
            bestValue = c;
            best = lag;
        }
    }
    const double a = correlation(best - 1);
    const double c = correlation(best + 1);
    const double curve = a - 2 * bestValue + c;
    const double shift = curve != 0.0 ? 0.5 * (a - c) / curve : 0.0;
    return sampleRate / (best + shift);
}
