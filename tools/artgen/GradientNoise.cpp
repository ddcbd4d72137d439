#include "GradientNoise.h"

#include <cmath>
#include <numeric>

namespace vorlo::artgen {

namespace {

double fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

GradientNoise::GradientNoise(std::uint32_t seed) {
    std::array<std::uint8_t, 256> p{};
    std::iota(p.begin(), p.end(), 0);
    std::uint32_t state = seed * 2654435761u + 0x9E3779B9u;
    for (int i = 255; i > 0; --i) {
        // xorshift32: fixed arithmetic, identical on every platform.
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        std::swap(p[i], p[state % static_cast<std::uint32_t>(i + 1)]);
    }
    for (int i = 0; i < 512; ++i)
        m_perm[i] = p[i & 255];
}

double GradientNoise::gradient(int hash, double x, double y) const {
    switch (hash & 7) {
    case 0:
        return x + y;
    case 1:
        return x - y;
    case 2:
        return -x + y;
    case 3:
        return -x - y;
    case 4:
        return x;
    case 5:
        return -x;
    case 6:
        return y;
    default:
        return -y;
    }
}

double GradientNoise::at(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int xi = static_cast<int>(fx) & 255;
    const int yi = static_cast<int>(fy) & 255;
    const double dx = x - fx;
    const double dy = y - fy;
    const int aa = m_perm[m_perm[xi] + yi];
    const int ab = m_perm[m_perm[xi] + yi + 1];
    const int ba = m_perm[m_perm[xi + 1] + yi];
    const int bb = m_perm[m_perm[xi + 1] + yi + 1];
    const double u = fade(dx);
    const double v = fade(dy);
    const double top = lerp(gradient(aa, dx, dy), gradient(ba, dx - 1, dy), u);
    const double bottom = lerp(gradient(ab, dx, dy - 1), gradient(bb, dx - 1, dy - 1), u);
    return lerp(top, bottom, v);
}

double GradientNoise::fractal(double x, double y, int octaves, double gain) const {
    double sum = 0;
    double amplitude = 1;
    double norm = 0;
    for (int i = 0; i < octaves; ++i) {
        // Shift each octave so their lattices do not line up at the origin.
        sum += amplitude * at(x + i * 17.31, y - i * 9.73);
        norm += amplitude;
        amplitude *= gain;
        x *= 2;
        y *= 2;
    }
    return sum / norm;
}

} // namespace vorlo::artgen
