#include "sim/low_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

// The coil's upper mode at 40 steps a period, cut at four times it over 1.5 of its
// periods either side, as a ladder secondary's record is.
constexpr double kUpperModeHz = 96e3;
constexpr double kStepSeconds = 1.0 / (40 * kUpperModeHz);
constexpr double kCutoffHz = 4 * kUpperModeHz;
constexpr double kHalfWidthSeconds = 1.5 / kUpperModeHz;

std::vector<double> tone(double hz, std::size_t count)
{
    std::vector<double> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = std::cos(2 * std::numbers::pi * hz * static_cast<double>(i) * kStepSeconds);
    return samples;
}

// Largest deviation from the input, or largest output, away from the record's ends.
double largestInMiddle(const std::vector<double>& samples)
{
    const std::size_t margin = samples.size() / 4;
    double largest = 0.0;
    for (std::size_t i = margin; i + margin < samples.size(); ++i)
        largest = std::max(largest, std::abs(samples[i]));
    return largest;
}

TEST(LowPass, KeepsTheCoilsModesAndTakesOutTheLaddersOwn)
{
    constexpr std::size_t kCount = 4000;
    for (const double modeHz : {86.9e3, kUpperModeHz}) {
        const auto in = tone(modeHz, kCount);
        auto out = lowPassed(in, kStepSeconds, kCutoffHz, kHalfWidthSeconds);
        for (std::size_t i = 0; i < kCount; ++i)
            out[i] -= in[i];
        EXPECT_LT(largestInMiddle(out), 1e-4) << "in phase and at full height at " << modeHz << " Hz";
    }
    // The trapezoidal rule at this step shows the ladder's lowest mode near 10 times the upper one.
    for (const double ladderHz : {7.0 * kUpperModeHz, 11.0 * kUpperModeHz, 15.0 * kUpperModeHz})
        EXPECT_LT(largestInMiddle(lowPassed(tone(ladderHz, kCount), kStepSeconds, kCutoffHz, kHalfWidthSeconds)), 1e-3)
            << ladderHz << " Hz";
}

TEST(LowPass, EndsHoldTheirValuesAndAStepKeepsItsLevels)
{
    // A tank charged before the start and a voltage settled at the end pass unchanged.
    const std::vector<double> level(100, 4000.0);
    for (const double v : lowPassed(level, kStepSeconds, kCutoffHz, kHalfWidthSeconds))
        EXPECT_NEAR(v, 4000.0, 1e-9);
    std::vector<double> step(400, 0.0);
    std::fill(step.begin() + 200, step.end(), 1.0);
    const auto smoothed = lowPassed(step, kStepSeconds, kCutoffHz, kHalfWidthSeconds);
    EXPECT_NEAR(smoothed.front(), 0.0, 1e-12);
    EXPECT_NEAR(smoothed.back(), 1.0, 1e-12);
    EXPECT_NEAR(smoothed[199] + smoothed[200], 1.0, 1e-12) << "zero phase: the step's middle stays put";
    EXPECT_TRUE(lowPassed({}, kStepSeconds, kCutoffHz, kHalfWidthSeconds).empty());
}

} // namespace
} // namespace qv
