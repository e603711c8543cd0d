// The trapezoidal rule's frequency law against the rule itself: a lossless ring z' = i w z
// stepped by its recurrence, read from its spectrum.
#include "sim/integration_warp.h"
#include "sim/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

namespace qv {
namespace {

constexpr double kRingHz = 90e3;
constexpr double kRecordSeconds = 10e-3;

struct Record {
    std::vector<double> timeSeconds;
    std::vector<double> values;
};

// The real part of the ring stepped at h from z = 1: z[n+1] = z[n] (1 + i w h / 2) / (1 - i w h / 2).
Record trapezoidalRing(double stepSeconds)
{
    using namespace std::complex_literals;
    const double wh = 2 * std::numbers::pi * kRingHz * stepSeconds;
    const std::complex<double> step = (1.0 + 0.5i * wh) / (1.0 - 0.5i * wh);
    Record record;
    std::complex<double> z = 1.0;
    const auto steps = static_cast<int>(kRecordSeconds / stepSeconds);
    for (int i = 0; i < steps; ++i) {
        record.timeSeconds.push_back(i * stepSeconds);
        record.values.push_back(z.real());
        z *= step;
    }
    return record;
}

double strongestHz(const Record& record, const FrequencyWarp& warp)
{
    const auto peaks = strongestPeaks(amplitudeSpectrum(record.timeSeconds, record.values, warp), 1);
    return peaks.empty() ? 0.0 : peaks.front().frequencyHz;
}

TEST(IntegrationWarp, TheRingReadsAtItsTrueFrequencyOnceTheLawIsUndone)
{
    for (const double stepsPerPeriod : {10.0, 25.0, 40.0}) {
        const double stepSeconds = 1.0 / (stepsPerPeriod * kRingHz);
        const Record record = trapezoidalRing(stepSeconds);
        // (2 pi / N)^2 / 12 low: 3.3 %, 0.53 %, 0.21 %.
        const double shownHz = strongestHz(record, {});
        EXPECT_NEAR(shownHz / kRingHz, 1.0 - std::pow(2.0 * std::numbers::pi / stepsPerPeriod, 2) / 12.0, 2e-3);
        // Bins are 100 Hz wide, their peak placed to a few hertz.
        EXPECT_NEAR(strongestHz(record, {stepSeconds}), kRingHz, 1e-4 * kRingHz) << stepsPerPeriod << " steps";
    }
}

TEST(IntegrationWarp, ExactRecordsAndTheResolvedBand)
{
    const FrequencyWarp exact;
    EXPECT_DOUBLE_EQ(exact.trueHz(123.0e3), 123.0e3);
    // Four steps a period is where the record stops resolving a ring; the law sends it to 1 / (pi h).
    const double stepSeconds = 1e-6;
    const FrequencyWarp warp{stepSeconds};
    EXPECT_DOUBLE_EQ(warp.resolvedLimitHz(), 250e3);
    EXPECT_NEAR(warp.trueHz(250e3), 1.0 / (std::numbers::pi * stepSeconds), 1e-6);
    EXPECT_DOUBLE_EQ(warp.trueHz(400e3), warp.trueHz(250e3)) << "no further than the record resolves";
    const Record record = trapezoidalRing(0.1e-6);
    const Spectrum spectrum = amplitudeSpectrum(record.timeSeconds, record.values, {0.1e-6});
    EXPECT_LE(static_cast<double>(spectrum.magnitude.size() - 1) * spectrum.binHz, 2.5e6);
    EXPECT_GT(static_cast<double>(spectrum.magnitude.size()) * spectrum.binHz, 2.5e6 - spectrum.binHz);
}

TEST(IntegrationWarp, TypicalStepIgnoresTheStartAndTheCorners)
{
    // ngspice's first steps grow from a small one; a breakpoint shortens two more.
    std::vector<double> t{0.0, 0.01, 0.03, 0.07, 0.15};
    for (int i = 1; i <= 40; ++i)
        t.push_back(0.15 + 0.25 * i);
    t.insert(t.begin() + 20, t[19] + 0.05);
    EXPECT_DOUBLE_EQ(typicalStepSeconds(t), 0.25);
    EXPECT_EQ(typicalStepSeconds({1.0}), 0.0);
}

} // namespace
} // namespace qv
