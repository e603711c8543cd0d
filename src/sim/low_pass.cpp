#include "sim/low_pass.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <numeric>

namespace qv {

namespace {

// h sin(2 pi fc t) / (pi t), the ideal low-pass's response sampled at t = k h, times
// the Blackman window 0.42 + 0.5 cos(pi t / T) + 0.08 cos(2 pi t / T) over |t| <= T.
std::vector<double> kernel(double stepSeconds, double cutoffHz, double halfWidthSeconds)
{
    const auto half = static_cast<std::ptrdiff_t>(std::round(halfWidthSeconds / stepSeconds));
    std::vector<double> taps;
    taps.reserve(static_cast<std::size_t>(2 * half + 1));
    for (std::ptrdiff_t k = -half; k <= half; ++k) {
        const double t = static_cast<double>(k) * stepSeconds;
        const double sinc = k == 0 ? 2.0 * cutoffHz : std::sin(2.0 * std::numbers::pi * cutoffHz * t) / (std::numbers::pi * t);
        const double x = std::numbers::pi * t / halfWidthSeconds;
        const double window = 0.42 + 0.5 * std::cos(x) + 0.08 * std::cos(2.0 * x);
        taps.push_back(stepSeconds * sinc * window);
    }
    const double sum = std::accumulate(taps.begin(), taps.end(), 0.0);
    for (double& tap : taps)
        tap /= sum;
    return taps;
}

} // namespace

std::vector<double> lowPassed(const std::vector<double>& samples, double stepSeconds, double cutoffHz,
                              double halfWidthSeconds)
{
    if (samples.empty() || !(stepSeconds > 0.0))
        return samples;
    const std::vector<double> taps = kernel(stepSeconds, cutoffHz, halfWidthSeconds);
    const auto half = static_cast<std::ptrdiff_t>(taps.size() / 2);
    const auto last = static_cast<std::ptrdiff_t>(samples.size()) - 1;
    std::vector<double> out(samples.size());
    for (std::ptrdiff_t i = 0; i <= last; ++i) {
        double sum = 0.0;
        for (std::ptrdiff_t k = -half; k <= half; ++k)
            sum += taps[static_cast<std::size_t>(k + half)] * samples[static_cast<std::size_t>(std::clamp(i + k, std::ptrdiff_t{0}, last))];
        out[static_cast<std::size_t>(i)] = sum;
    }
    return out;
}

} // namespace qv
