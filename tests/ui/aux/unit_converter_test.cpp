// The converter's factors against values known independently of them, and its step rules.

#include "ui/aux/unit_converter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv {
namespace {

TEST(ConverterFactors, LengthsAgreeWithTheInternationalInchAndFoot)
{
    // The 1959 definitions: an inch is exactly 25.4 mm, a foot 0.3048 m; a mile is 5280 ft or 1609.344 m.
    EXPECT_DOUBLE_EQ(convert(Quantity::Inches, 1.0), 25.4);
    EXPECT_DOUBLE_EQ(convert(Quantity::Inches, 12.0), 304.8);
    EXPECT_NEAR(convert(Quantity::Feet, 5280.0), 1609.344, 1e-9);
    // A metre is 39.3700787 inches and 3.2808399 feet.
    EXPECT_NEAR(convert(Quantity::Millimetres, 1000.0), 39.3700787, 1e-7);
    EXPECT_NEAR(convert(Quantity::Metres, 1.0), 3.2808399, 1e-7);
    // Twelve inches make a foot on both sides of the window.
    EXPECT_NEAR(convert(Quantity::Inches, 12.0) / 1000.0, convert(Quantity::Feet, 1.0), 1e-15);
}

TEST(ConverterFactors, AnglesUseSevenDecimalsOfPi)
{
    // 3.1415926 is pi to within 5.4e-8, so a half turn is pi radians to that accuracy.
    EXPECT_NEAR(convert(Quantity::Degrees, 180.0), std::numbers::pi, 6e-8);
    EXPECT_DOUBLE_EQ(convert(Quantity::Degrees, 180.0), 3.1415926);
    // One radian is 57.2957795 degrees; the truncated pi makes it larger by about 1e-6 degrees.
    EXPECT_NEAR(convert(Quantity::Radians, 1.0), 57.2957795, 2e-6);
    EXPECT_NEAR(convert(Quantity::Degrees, 90.0), std::numbers::pi / 2, 3e-8);
}

TEST(ConverterFactors, EveryPairConvertsBackToItsStart)
{
    for (std::size_t i = 0; i < kQuantityCount; ++i) {
        const auto q = static_cast<Quantity>(i);
        EXPECT_EQ(partner(partner(q)), q);
        EXPECT_NEAR(convert(partner(q), convert(q, 7.25)), 7.25, 1e-12) << rule(q).editName;
    }
}

TEST(UnitConverter, StartsWithTheRadiansNotYetConverted)
{
    const UnitConverter c;
    EXPECT_EQ(c.text(Quantity::Inches), "  1.000");
    EXPECT_EQ(c.text(Quantity::Millimetres), "25.4000");
    EXPECT_EQ(c.text(Quantity::Feet), "   1.00");
    EXPECT_EQ(c.text(Quantity::Metres), " 0.3048");
    EXPECT_EQ(c.text(Quantity::Degrees), "   1.00");
    // 0.0175, where one degree converts to 0.0174533.
    EXPECT_EQ(c.value(Quantity::Radians), 0.0175);
}

TEST(UnitConverter, EachBoundAppliesOnlyInItsOwnDirectionAndOnlyToTheSteppedSide)
{
    UnitConverter c;
    c.values[static_cast<std::size_t>(Quantity::Inches)] = 11999.95;
    c.step(Quantity::Inches, SpinDirection::Up);
    EXPECT_EQ(c.value(Quantity::Inches), 12000.0);
    EXPECT_DOUBLE_EQ(c.value(Quantity::Millimetres), 304800.0); // above the millimetre bound
    // A typed 720 degrees steps down freely; stepping up clamps to 360.
    ASSERT_TRUE(c.enter(Quantity::Degrees, "720"));
    c.step(Quantity::Degrees, SpinDirection::Down);
    EXPECT_NEAR(c.value(Quantity::Degrees), 719.9, 1e-9);
    c.step(Quantity::Degrees, SpinDirection::Up);
    EXPECT_EQ(c.value(Quantity::Degrees), 360.0);
}

TEST(UnitConverter, TypedValueMustBeANumberAboveTheEntryMinimumWithAFinitePartner)
{
    UnitConverter c;
    EXPECT_FALSE(c.enter(Quantity::Feet, "0.01"));
    EXPECT_TRUE(c.enter(Quantity::Feet, "0.011"));
    EXPECT_FALSE(c.enter(Quantity::Feet, "-3"));
    EXPECT_FALSE(c.enter(Quantity::Feet, "abc"));
    // 1e308 inches would be infinitely many millimetres: rejected, nothing changes.
    const UnitConverter before = c;
    EXPECT_FALSE(c.enter(Quantity::Inches, "1e308"));
    EXPECT_EQ(c.values, before.values);
}

} // namespace
} // namespace qv
