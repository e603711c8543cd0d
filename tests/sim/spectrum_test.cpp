#include "sim/simulation_result.h"
#include "sim/spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv {
namespace {

TEST(Spectrum, EnergyBandEndsWhereTheStrongToneEnds)
{
    // 99 % of the energy below the 20 kHz tone of three: the 100 kHz one holds 0.25 % of it.
    Spectrum spectrum{100.0, std::vector<double>(2000, 0.0), {}};
    spectrum.magnitude[100] = 10.0;
    spectrum.magnitude[200] = 10.0;
    spectrum.magnitude[1000] = 0.5;
    EXPECT_DOUBLE_EQ(energyBandHz(spectrum, 0.99), 20e3);
    EXPECT_DOUBLE_EQ(energyBandHz(spectrum, 0.9999), 100e3);
    EXPECT_EQ(energyBandHz(Spectrum{}, 0.99), 0.0);
}

TEST(Spectrum, ResamplingFollowsTheStraightLineBetweenUnevenPoints)
{
    const auto uniform = resampleUniform({0.0, 1.0, 4.0}, {0.0, 2.0, 8.0}, 5);
    ASSERT_EQ(uniform.size(), 5u);
    EXPECT_DOUBLE_EQ(uniform[1], 2.0); // t = 1
    EXPECT_DOUBLE_EQ(uniform[2], 4.0); // t = 2, a third of the way from 2 to 8
    EXPECT_DOUBLE_EQ(uniform[4], 8.0);
    EXPECT_TRUE(resampleUniform({0.0}, {1.0}, 8).empty());
}

// The coupled modes of the default coil, 86.8 and 96.0 kHz, sampled at uneven
// steps as the simulator's step control would, over the 10 ms of the netlist.
TEST(Spectrum, TwoTonesFoundBetweenBinsWithTheirAmplitudes)
{
    constexpr double kLowHz = 86.834e3;
    constexpr double kHighHz = 96.037e3;
    std::vector<double> t;
    std::vector<double> v;
    double now = 0.0;
    for (int i = 0; now < 10e-3; ++i) {
        t.push_back(now);
        v.push_back(1000.0 + 3.0 * std::sin(2 * std::numbers::pi * kLowHz * now) +
                    2.0 * std::cos(2 * std::numbers::pi * kHighHz * now));
        now += (i % 3 == 0 ? 0.05e-6 : 0.2e-6);
    }
    const Spectrum spectrum = amplitudeSpectrum(t, v);
    ASSERT_GT(spectrum.binHz, 0.0);
    const auto peaks = strongestPeaks(spectrum, 2);
    ASSERT_EQ(peaks.size(), 2u);
    // Bins are 100 Hz wide; the interpolated peaks land within a tenth of a bin.
    EXPECT_NEAR(peaks[0].frequencyHz, kLowHz, 10.0);
    EXPECT_NEAR(peaks[1].frequencyHz, kHighHz, 10.0);
    // Between bins the Hann window loses up to 15 % of a tone's height.
    EXPECT_NEAR(peaks[0].magnitude, 3.0, 0.45);
    EXPECT_NEAR(peaks[1].magnitude, 2.0, 0.3);
}

TEST(Spectrum, FlatOrTooShortSignalsHaveNoPeaks)
{
    EXPECT_TRUE(amplitudeSpectrum({0.0}, {1.0}).magnitude.empty());
    EXPECT_TRUE(amplitudeSpectrum({1.0, 1.0}, {1.0, 2.0}).magnitude.empty());
    const Spectrum flat = amplitudeSpectrum({0.0, 1.0, 2.0, 3.0}, {5.0, 5.0, 5.0, 5.0});
    EXPECT_TRUE(strongestPeaks(flat, 2).empty());
}


// Two tones over the 10 ms of a netlist, evenly sampled at 0.1 us.
Spectrum spectrumOfTones(double firstHz, double firstAmplitude, double secondHz, double secondAmplitude)
{
    std::vector<double> t;
    std::vector<double> v;
    for (double now = 0.0; now < 10e-3; now += 0.1e-6) {
        t.push_back(now);
        v.push_back(firstAmplitude * std::sin(2 * std::numbers::pi * firstHz * now) +
                    secondAmplitude * std::sin(2 * std::numbers::pi * secondHz * now));
    }
    return amplitudeSpectrum(t, v);
}

TEST(CoupledModes, ThePairLiesWithinAFactorOfTwoAndCarriesComparableEnergy)
{
    const CoupledModes coil = coupledModes(spectrumOfTones(96.0e3, 2.0, 86.8e3, 3.0));
    EXPECT_NEAR(coil.lowHz, 86.8e3, 50.0) << "lower mode first, whichever is stronger";
    EXPECT_NEAR(coil.highHz, 96.0e3, 50.0);

    // A ladder's own resonance far above the coil is no coupled mode.
    EXPECT_TRUE(std::isnan(coupledModes(spectrumOfTones(90.9e3, 3.0, 3.65e6, 1.0)).lowHz));
    // Nor is a bump of a few per cent beside a single damped peak.
    EXPECT_TRUE(std::isnan(coupledModes(spectrumOfTones(84.5e3, 3.0, 123.8e3, 0.06)).highHz));
}

} // namespace
} // namespace qv
