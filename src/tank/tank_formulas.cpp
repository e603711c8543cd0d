#include "tank/tank_formulas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv::tank {
namespace {

constexpr double kMetresPerInch = 0.0254; // exact by definition
constexpr double kCentimetresPerInch = 2.54;
constexpr double kMicroPerUnit = 1e6;
constexpr double kVoltsPerKv = 1e3;
// The straight wire's 2e-7 H/m is mu0 / (2 pi).
constexpr double kWireHenriesPerMetre = 2e-7;
// Air at 20 C and 1013 hPa between plane electrodes: kV = A d + B sqrt(d), d in cm.
constexpr double kAirKvPerCm = 24.22;
constexpr double kAirKvPerRootCm = 6.08;
// A bank at or below this voltage is safe to touch.
constexpr double kSafeVolts = 50;
// A rating met to the last bit counts as met: 18 parts of 2000 V hold 36 kV even when the
// product of a margin and a square root lands a rounding error above it.
constexpr double kRatingRoundOff = 1e-12;

double angular(double frequencyHz) { return 2 * std::numbers::pi * frequencyHz; }

} // namespace

double supplyPeakVolts(double rmsVolts) { return std::numbers::sqrt2 * rmsVolts; }

double bankSeriesCount(double ratedVolts, double partVoltsDc)
{
    return std::ceil(ratedVolts / partVoltsDc * (1 - kRatingRoundOff));
}

double bankStringCount(double targetUf, double seriesCount, double partUf)
{
    return std::max(1.0, std::round(targetUf * seriesCount / partUf));
}

double bankUf(double stringCount, double seriesCount, double partUf) { return stringCount * partUf / seriesCount; }

double leadInductanceUh(double lengthInches, double diameterInches)
{
    const double lengthM = lengthInches * kMetresPerInch;
    const double radiusM = diameterInches / 2 * kMetresPerInch;
    if (lengthM <= 0) return 0;
    const double henries = kWireHenriesPerMetre * lengthM * (std::log(2 * lengthM / radiusM) - 1);
    return std::max(0.0, henries) * kMicroPerUnit;
}

double tuningInductanceH(double frequencyHz, double capacitanceF)
{
    return 1 / (std::pow(angular(frequencyHz), 2) * capacitanceF);
}

double bangEnergyJ(double capacitanceF, double peakVolts) { return capacitanceF * peakVolts * peakVolts / 2; }

double peakCurrentA(double peakVolts, double capacitanceF, double inductanceH)
{
    return peakVolts * std::sqrt(capacitanceF / inductanceH);
}

double surgeImpedanceOhm(double inductanceH, double capacitanceF) { return std::sqrt(inductanceH / capacitanceF); }

double notchSeconds(double coupling, double frequencyHz) { return 1 / (2 * coupling * frequencyHz); }

double rmsCurrentA(double peakAmps, double breakRateHz, double quenchNotch, double notchS)
{
    constexpr double kMeanSquare = 4; // the mean of cos^2 sin^2 over whole periods is 1/4
    return peakAmps * std::sqrt(breakRateHz * (2 * quenchNotch - 1) * notchS / kMeanSquare);
}

double voltsPerUs(double peakAmps, double capacitanceF) { return peakAmps / capacitanceF / kMicroPerUnit; }

double bleederSeconds(double resistanceOhm, double capacitanceF, double peakVolts)
{
    if (peakVolts <= kSafeVolts) return 0;
    return resistanceOhm * capacitanceF * std::log(peakVolts / kSafeVolts);
}

double bleederWatts(double peakVolts, double seriesCount, double resistanceOhm)
{
    const double eachVolts = peakVolts / seriesCount;
    return eachVolts * eachVolts / resistanceOhm;
}

double breakdownGapInches(double volts)
{
    // A sqrt(d)^2 + B sqrt(d) - V = 0, the positive root for sqrt(d).
    const double kv = volts / kVoltsPerKv;
    const double rootCm =
        (-kAirKvPerRootCm + std::sqrt(kAirKvPerRootCm * kAirKvPerRootCm + 4 * kAirKvPerCm * kv)) / (2 * kAirKvPerCm);
    return rootCm * rootCm / kCentimetresPerInch;
}

double topVolts(double peakVolts, double capacitanceF, double frequencyHz, double secondaryH)
{
    const double secondaryF = 1 / (std::pow(angular(frequencyHz), 2) * secondaryH);
    return peakVolts * std::sqrt(capacitanceF / secondaryF);
}

} // namespace qv::tank
