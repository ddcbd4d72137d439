#pragma once

#include <array>
#include <cstdint>

namespace vorlo::artgen {

// Two-dimensional gradient (Perlin) noise with its own seeded permutation, so the same seed
// always gives the same texture whatever the standard library.
class GradientNoise {
public:
    explicit GradientNoise(std::uint32_t seed);

    // Smooth noise in about -1..1; one lattice cell per unit.
    double at(double x, double y) const;
    // Sum of octaves, each twice the frequency and gain times the amplitude of the last,
    // normalised back to about -1..1.
    double fractal(double x, double y, int octaves, double gain = 0.5) const;

private:
    double gradient(int hash, double x, double y) const;

    std::array<std::uint8_t, 512> m_perm{};
};

} // namespace vorlo::artgen
