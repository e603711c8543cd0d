// The tank's formulas against figures worked by hand, and the RMS current against a numerical
// integral of the ringing primary's waveform.
#include "tank/tank_formulas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv::tank {
namespace {

TEST(TankFormulas, HandFigures)
{
    // Each expectation is quoted to four figures, so the tolerance is half the last digit.
    struct Case {
        const char* what;
        double computed;
        double expected;
        double tolerance;
    };
    const double peak9kV = supplyPeakVolts(9000);
    const double peak15kV = supplyPeakVolts(15000);
    const Case cases[] = {
        // 2e-7 x 0.9144 x (ln(2 x 0.9144 / 0.003175) - 1) = 0.9795 uH
        {"36 in lead of 0.25 in wire, uH", leadInductanceUh(36, 0.25), 0.9795, 5e-5},
        {"12 in lead of 0.125 in wire, uH", leadInductanceUh(12, 0.125), 0.3018, 5e-5},
        {"no lead, uH", leadInductanceUh(0, 0.25), 0, 0},
        {"lead shorter than the formula holds for, uH", leadInductanceUh(0.1, 0.25), 0, 0},
        // 12.73 kV across one gap: sqrt(d) = (-6.08 + sqrt(6.08^2 + 4 x 24.22 x 12.73)) / 48.44
        {"9 kV, one gap, in", breakdownGapInches(peak9kV), 0.1466, 5e-5},
        {"15 kV, each of four gaps, in", breakdownGapInches(peak15kV / 4), 0.0507, 5e-5},
        {"15 kV, four gaps together, in", 4 * breakdownGapInches(peak15kV / 4), 0.2029, 5e-5},
        {"15 kV, safety gap at 1.5, in", breakdownGapInches(1.5 * peak15kV), 0.4157, 5e-5},
        // 16 kV 200 mA 50 Hz: 39.79 nF charged to 22.63 kV
        {"energy per bang, J", bangEnergyJ(39.79e-9, supplyPeakVolts(16000)), 10.19, 5e-3},
        // 36 kV of 2000 V parts, then 25 nF of 0.15 uF parts
        {"capacitors in series", bankSeriesCount(36000, 2000), 18, 0},
        {"strings", bankStringCount(0.025, 18, 0.15), 3, 0},
        {"bank, uF", bankUf(3, 18, 0.15), 0.025, 1e-12},
        {"at least one string", bankStringCount(0.001, 18, 0.15), 1, 0},
        // 0.01 uF at 100 kHz: 1 / ((2 pi 1e5)^2 1e-8) = 253.3 uH
        {"tuning inductance, uH", tuningInductanceH(1e5, 1e-8) * 1e6, 253.3, 0.05},
        // 22.63 kV through 10 uH from 40 nF: 22627 x sqrt(4e-8 / 1e-5) = 1431 A, sqrt(1e-5 / 4e-8) = 15.81 ohm
        {"peak current, A", peakCurrentA(supplyPeakVolts(16000), 4e-8, 1e-5), 1431, 0.5},
        {"surge impedance, ohm", surgeImpedanceOhm(1e-5, 4e-8), 15.81, 5e-3},
        // 10 Mohm across 0.15 uF from 22.63 kV to 50 V: 1.5 s x ln(452.5) = 9.172 s
        {"bleeder time, s", bleederSeconds(1e7, 0.15e-6, supplyPeakVolts(16000)), 9.172, 5e-4},
        {"bleeder with the supply at 50 V, s", bleederSeconds(1e7, 0.15e-6, 50), 0, 0},
        // 22.63 kV over 18 parts is 1257 V each: 1257^2 / 1e7 = 0.158 W
        {"bleeder dissipation, W", bleederWatts(supplyPeakVolts(16000), 18, 1e7), 0.158, 5e-4},
    };
    for (const Case& c : cases) EXPECT_NEAR(c.computed, c.expected, c.tolerance) << c.what;
}

// The mean square of the primary's current cos(pi k f t) sin(2 pi f t) over the bang, times the
// break rate, by Simpson's rule with a hundred points per cycle.
double integratedRmsFactor(double coupling, double frequencyHz, double breakRateHz, int notch)
{
    const double bangS = (2 * notch - 1) / (2 * coupling * frequencyHz);
    const int intervals = 2 * static_cast<int>(std::ceil(bangS * frequencyHz * 50));
    const double h = bangS / intervals;
    const auto square = [&](double t) {
        const double i = std::cos(std::numbers::pi * coupling * frequencyHz * t) * std::sin(2 * std::numbers::pi * frequencyHz * t);
        return i * i;
    };
    double sum = square(0) + square(bangS);
    for (int j = 1; j < intervals; ++j) sum += (j % 2 ? 4 : 2) * square(j * h);
    return std::sqrt(breakRateHz * sum * h / 3);
}

TEST(TankFormulas, RmsCurrentIsTheWaveformsMeanSquare)
{
    // With 1 / k a whole number every cross term of cos^2 sin^2 vanishes over the bang and the
    // formula is exact; otherwise the sine's last part-cycle leaves an error below 1 / (2 pi / k)
    // of the whole, 2.4 % at k = 0.15.
    struct Case {
        double coupling;
        int notch;
        double tolerance;
    };
    const Case cases[] = {{0.1, 1, 1e-6}, {0.2, 3, 1e-6}, {0.125, 2, 1e-6}, {0.15, 1, 0.025}, {0.3, 2, 0.05}};
    constexpr double kFrequencyHz = 80e3;
    constexpr double kBreakRateHz = 120;
    for (const Case& c : cases) {
        const double formula = rmsCurrentA(1, kBreakRateHz, c.notch, notchSeconds(c.coupling, kFrequencyHz));
        const double integral = integratedRmsFactor(c.coupling, kFrequencyHz, kBreakRateHz, c.notch);
        EXPECT_NEAR(formula / integral, 1, c.tolerance) << "k " << c.coupling << ", notch " << c.notch;
    }
}

} // namespace
} // namespace qv::tank
