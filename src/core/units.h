#pragma once
// Units and constants the coil's formulas share, each written once with where it comes from, and
// the two small spark-gap formulas that both creation and the spark-gap stage use.

#include <cstdint>

namespace qv {

// Length units. The inch and the foot are defined exactly in metres by the international yard
// and pound agreement of 1959 (1 yd = 0.9144 m).
inline constexpr double kInchesPerFoot = 12;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kMetresPerFoot = 0.3048;

// The approximations of pi the published formulas were built with. They are kept apart on
// purpose: every figure the program shows depends on the one its formula uses.
inline constexpr double kPiTo4Places = 3.1415;           // pi cut after 4 decimals
inline constexpr double kPiTo7PlacesCut = 3.1415926;     // pi cut after 7 decimals
inline constexpr double kPiTo7Places = 3.1415927;        // pi rounded to 7 decimals
inline constexpr double kTwoPiTo3Places = 6.283;         // 2 pi cut after 3 decimals
inline constexpr double kTwoPiFrom7Places = 6.2831854;   // twice kPiTo7Places

// The coil builders' rule for a static spark gap: 8400 volts per inch of gap (3.3 kV per cm).
inline constexpr double kGapVoltsPerInch = 8400;
// A static gap fires on both half-cycles of the mains.
inline constexpr double kSeriesFiringsPerCycle = 2;

// Each of `gapCount` static gaps in series takes an equal share of the transformer's voltage.
inline double seriesGapWidthInches(double outputVolts, std::int32_t gapCount)
{
    return outputVolts / kGapVoltsPerInch / gapCount;
}

// The arc between two electrodes on the rotor's rim (with the formula's 2 pi of 6.283).
inline double electrodePitchInches(double rotorRadiusInches, std::int32_t presentations)
{
    return kTwoPiTo3Places * rotorRadiusInches / static_cast<double>(presentations);
}

} // namespace qv
