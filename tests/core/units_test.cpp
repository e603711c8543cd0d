// Every shared unit factor against a value known independently of it, and the approximations
// of pi against the digits they claim.

#include "core/length_unit.h"
#include "core/units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv {
namespace {

TEST(Units, LengthFactorsAgreeWithTheExactDefinitions)
{
    // A statute mile is 5280 ft and exactly 1609.344 m; a yard is 36 in and exactly 0.9144 m.
    EXPECT_DOUBLE_EQ(5280 * kMetresPerFoot, 1609.344);
    EXPECT_DOUBLE_EQ(36 * kCentimetresPerInch / 100, 0.9144);
    EXPECT_DOUBLE_EQ(3 * kInchesPerFoot * kMillimetresPerInch / 1000, 0.9144);
    // A metre is about 39.3701 inches.
    EXPECT_NEAR(1000 / kMillimetresPerInch, 39.3701, 1e-4);
    // The factors agree with one another: a foot of inches in metres.
    EXPECT_DOUBLE_EQ(kInchesPerFoot * kCentimetresPerInch / 100, kMetresPerFoot);
    EXPECT_DOUBLE_EQ(kCentimetresPerInch * 10, kMillimetresPerInch);
}

TEST(Units, EachPiHasTheDigitsItsNameClaims)
{
    const double pi = std::numbers::pi;
    EXPECT_EQ(std::trunc(pi * 1e4) / 1e4, kPiTo4Places);
    EXPECT_EQ(std::trunc(pi * 1e7) / 1e7, kPiTo7PlacesCut);
    EXPECT_EQ(std::round(pi * 1e7) / 1e7, kPiTo7Places);
    EXPECT_EQ(std::trunc(2 * pi * 1e3) / 1e3, kTwoPiTo3Places);
    EXPECT_EQ(2 * kPiTo7Places, kTwoPiFrom7Places);
}

TEST(Units, SparkGapFormulasOfTheStartDesign)
{
    // 4000 V over one gap at 8400 V/in: 0.4762 in; 8400 V/in is 330.7 V/mm.
    EXPECT_NEAR(seriesGapWidthInches(4000, 1), 0.47619, 1e-5);
    EXPECT_NEAR(seriesGapWidthInches(4000, 4), 0.47619 / 4, 1e-5);
    EXPECT_NEAR(kGapVoltsPerInch / kMillimetresPerInch, 330.7, 0.1);
    // A 2.13 in rotor with 16 electrodes: 2 pi r / 16 = 0.8364 in (0.8365 with the exact pi).
    EXPECT_NEAR(electrodePitchInches(2.13, 16), 2 * std::numbers::pi * 2.13 / 16, 2e-4);
}

// The session's conversions against values known apart from the factors: a foot rule is 304.8 mm,
// a mile 1609.344 m, and 100 turns per inch are 39.37 turns per centimetre (1 cm = 0.3937 in).
TEST(Units, MillimetreSessionConvertsEachQuantityBothWays)
{
    struct Case {
        LengthQuantity quantity;
        double stored;
        double shown;
        double tolerance;
        const char* caption;
    };
    const Case kCases[] = {
        {LengthQuantity::LengthInches, 12, 304.8, 1e-12, "mm"},
        {LengthQuantity::LengthFeet, 5280, 1609.344, 1e-9, "m"},
        {LengthQuantity::TurnsPerInch, 100, 39.37, 1e-4, "turns/cm"},
        {LengthQuantity::None, 60, 60, 1e-12, ""},
    };
    for (const Case& c : kCases) {
        EXPECT_NEAR(shownValue(c.stored, c.quantity, LengthUnit::Millimetres), c.shown, c.tolerance) << c.caption;
        EXPECT_NEAR(storedValue(c.shown, c.quantity, LengthUnit::Millimetres), c.stored, c.tolerance * 100) << c.caption;
        EXPECT_EQ(shownValue(c.stored, c.quantity, LengthUnit::Inches), c.stored) << "inches convert nothing";
        EXPECT_EQ(unitCaption(c.quantity, LengthUnit::Millimetres), c.caption);
    }
    // A typed millimetre value is divided once by 25.4, nothing more.
    EXPECT_EQ(storedValue(279.4, LengthQuantity::LengthInches, LengthUnit::Millimetres), 279.4 / 25.4);
}

} // namespace
} // namespace qv
