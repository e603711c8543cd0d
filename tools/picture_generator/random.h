#pragma once

#include <cmath>
#include <cstdint>

namespace pictures {

// SplitMix64: fixed arithmetic, so a seed draws the same picture on every platform and
// standard library (std::uniform_real_distribution is implementation-defined).
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1) from the top 53 bits.
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    double range(double low, double high) { return low + (high - low) * uniform(); }

    // Standard normal by Box-Muller; one value per call keeps the sequence simple.
    double gauss()
    {
        constexpr double kTwoPi = 6.283185307179586;
        const double u = 1.0 - uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(kTwoPi * uniform());
    }

    bool chance(double probability) { return uniform() < probability; }

private:
    std::uint64_t state_;
};

} // namespace pictures
