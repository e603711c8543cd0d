// The integration rules' frequency laws against the rules themselves: a lossless ring
// z' = i w z stepped by each rule's own recurrence, read from its spectrum.
#include "sim/integration_warp.h"
#include "sim/spectrum.h"

#include <gtest/gtest.h>

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

// The real part of the ring, stepped at h from z = 1 by
//   trapezoidal: z[n+1] = z[n] (1 + i w h / 2) / (1 - i w h / 2)
//   Gear 2:      z[n+1] = (4 z[n] - z[n-1]) / (3 - 2 i w h), its first step trapezoidal.
Record ringSteppedBy(IntegrationRule rule, double stepSeconds)
{
    using namespace std::complex_literals;
    const double wh = 2 * std::numbers::pi * kRingHz * stepSeconds;
    const std::complex<double> trapezoidalStep = (1.0 + 0.5i * wh) / (1.0 - 0.5i * wh);
    Record record;
    std::complex<double> previous = 1.0;
    std::complex<double> z = 1.0;
    for (double t = 0; t < kRecordSeconds; t += stepSeconds) {
        record.timeSeconds.push_back(t);
        record.values.push_back(z.real());
        const std::complex<double> next = (rule == IntegrationRule::trapezoidal || record.values.size() == 1)
                                              ? z * trapezoidalStep
                                              : (4.0 * z - previous) / (3.0 - 2.0i * wh);
        previous = z;
        z = next;
    }
    return record;
}

double strongestHz(const Record& record, const FrequencyWarp& warp)
{
    const auto peaks = strongestPeaks(amplitudeSpectrum(record.timeSeconds, record.values, warp), 1);
    return peaks.empty() ? 0.0 : peaks.front().frequencyHz;
}

TEST(IntegrationWarp, EachRulesRingReadsAtItsTrueFrequencyOnceItsLawIsUndone)
{
    // 25 steps a period: the trapezoidal rule shows the ring 0.53 % low, Gear's 2.1 %.
    const double stepSeconds = 1.0 / (25.0 * kRingHz);
    for (const auto rule : {IntegrationRule::trapezoidal, IntegrationRule::gear2}) {
        const Record record = ringSteppedBy(rule, stepSeconds);
        const double shownHz = strongestHz(record, {});
        EXPECT_LT(shownHz, 0.995 * kRingHz) << "the step warps the ring";
        // Bins are 100 Hz wide, their peak placed to a few hertz; Gear's law is good to
        // a part in 10^4 at this step.
        EXPECT_NEAR(strongestHz(record, {rule, stepSeconds}), kRingHz, 2e-4 * kRingHz);
    }
}

TEST(IntegrationWarp, ExactRecordsAndTheResolvedBand)
{
    const FrequencyWarp exact;
    EXPECT_DOUBLE_EQ(exact.trueHz(123.0e3), 123.0e3);
    // Four steps a period is where the record stops resolving a ring; both laws send it to 1 / (pi h).
    const double stepSeconds = 1e-6;
    for (const auto rule : {IntegrationRule::trapezoidal, IntegrationRule::gear2}) {
        const FrequencyWarp warp{rule, stepSeconds};
        EXPECT_DOUBLE_EQ(warp.resolvedLimitHz(), 250e3);
        EXPECT_NEAR(warp.trueHz(250e3), 1.0 / (std::numbers::pi * stepSeconds), 1e-6);
        EXPECT_DOUBLE_EQ(warp.trueHz(400e3), warp.trueHz(250e3)) << "no further than the record resolves";
        EXPECT_GT(warp.trueHz(100e3), warp.trueHz(99e3));
    }
    const Record record = ringSteppedBy(IntegrationRule::trapezoidal, 0.1e-6);
    const Spectrum spectrum = amplitudeSpectrum(record.timeSeconds, record.values, {IntegrationRule::trapezoidal, 0.1e-6});
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
