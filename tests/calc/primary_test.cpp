// The primary stage: the three winding forms on the start design, the wire length and its
// rounding of the turns, the tuning to the secondary, the transformer match and the order in
// which the stage accepts its inputs.

#include "calc/primary_steps.h"
#include "calc_test_support.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>

namespace qv {
namespace {

using test::RunningCalculator;

// The start design: Din 11, d 0.23, s 0.2, N 5.4. Winding width S = 0.43 x 4.4 + 0.23 = 2.122.
class PrimaryShapes : public ::testing::Test {
protected:
    RunningCalculator r;
    void shape(OptionId id)
    {
        r.select(id);
        r.pass();
    }
};

TEST_F(PrimaryShapes, FlatSpiralIsWheelersFlatFormulaWithTheFullWidth)
{
    shape(OptionId::FlatPrimary);
    EXPECT_NEAR(primaryCoil(r.calc.design).windingWidthInches, 2.122, 1e-12);
    // R = 5.5 + 1.061 = 6.561; L2 = R^2 5.4^2 / (8 R + 11 S) / 1000.
    EXPECT_NEAR(r.calc.primary.inductanceMh, 0.016553, 5e-7);
    EXPECT_EQ(r.text(FieldId::PREdit5), " 0.0166");
    EXPECT_EQ(r.text(FieldId::PREdit6), "6.56");
    EXPECT_EQ(r.text(FieldId::PREdit7), "15.24");
    EXPECT_EQ(r.text(FieldId::PREdit8), "18.49");
    EXPECT_NEAR(r.calc.primary.wireLengthInches, 221.846, 5e-4);
    EXPECT_EQ(r.text(FieldId::PREdit12), " 0");
    EXPECT_FALSE(r.calc.form.field(FieldId::PREdit12).enabled);
}

TEST_F(PrimaryShapes, HelixKeepsTheProjectionOfThreeDecimalPi)
{
    shape(OptionId::VerticalPrimary);
    EXPECT_NEAR(r.calc.primary.inductanceMh, 0.012473, 5e-7);
    EXPECT_EQ(r.text(FieldId::PREdit5), " 0.0125");
    EXPECT_EQ(r.text(FieldId::PREdit6), "5.50");
    EXPECT_EQ(r.text(FieldId::PREdit7), "11.00");
    EXPECT_EQ(r.text(FieldId::PREdit8), "15.88");
    EXPECT_EQ(r.text(FieldId::PREdit12), "90");
    EXPECT_FALSE(r.calc.form.field(FieldId::PREdit12).enabled);
    // cos(3.1415 x 90 / 180) = 0.0000463, so the helix is 0.0000926 S wider than Din; with the
    // full pi it would be 11 to within 1e-15.
    EXPECT_NEAR(primaryCoil(r.calc.design).totalDiameterInches, 11 + 0.0000926 * 2.122, 1e-6);
}

TEST_F(PrimaryShapes, ConeAtThirtyDegreesCombinesBothTerms)
{
    r.pass();
    EXPECT_TRUE(r.calc.form.field(FieldId::PREdit12).enabled);
    EXPECT_NEAR(r.calc.primary.inductanceMh, 0.016987, 5e-7);
    EXPECT_EQ(r.text(FieldId::PREdit5), " 0.0170");
    EXPECT_EQ(r.text(FieldId::PREdit6), "6.42");
    EXPECT_EQ(r.text(FieldId::PREdit7), "14.68");
    EXPECT_EQ(r.text(FieldId::PREdit8), "18.14");
}

TEST_F(PrimaryShapes, ConeStartsFromTheAngleTheLastFormLeft)
{
    shape(OptionId::VerticalPrimary);
    const std::string helixInductance = r.text(FieldId::PREdit5);
    shape(OptionId::ConicalPrimary);
    EXPECT_TRUE(r.calc.form.field(FieldId::PREdit12).enabled);
    EXPECT_EQ(r.calc.design.primaryAngleDegrees, 90);
    EXPECT_EQ(r.text(FieldId::PREdit5), helixInductance);

    shape(OptionId::FlatPrimary);
    shape(OptionId::ConicalPrimary);
    EXPECT_EQ(r.calc.design.primaryAngleDegrees, 0);
}

TEST_F(PrimaryShapes, MoreTurnsGiveMoreInductanceAndWireInEveryForm)
{
    for (const double angle : {0.0, 30.0, 90.0}) {
        Design d;
        d.primaryAngleDegrees = angle;
        double lastMh = 0;
        for (double turns = 1; turns <= 30; turns += 1) {
            d.primaryTurns = turns;
            const double mh = primaryCoil(d).inductanceMh;
            EXPECT_GT(mh, lastMh) << angle << " degrees, " << turns << " turns";
            lastMh = mh;
        }
    }
}

TEST_F(PrimaryShapes, VanishingWheelerDenominatorShowsDashes)
{
    // Half a turn at a pitch of 2: S = 2 x (-0.5) + 0.25 = -0.75, and with Din = 2.8125 the flat
    // term's 8 R + 11 W = 8 x 1.03125 - 11 x 0.75 is exactly zero.
    shape(OptionId::FlatPrimary);
    Design& d = r.calc.design;
    d.primaryInsideDiameterInches = 2.8125;
    d.primaryWireDiameterInches = 0.25;
    d.primarySpacingInches = 1.75;
    d.primaryTurns = 0.5;
    r.pass();
    EXPECT_TRUE(std::isnan(r.calc.primary.inductanceMh));
    EXPECT_TRUE(std::isnan(r.calc.primary.requiredCapacitanceUf));
    for (const FieldId id : {FieldId::PREdit5, FieldId::PREdit13, FieldId::PREdit10})
        EXPECT_EQ(r.shown(id), "----") << name(id);
    EXPECT_EQ(r.shown(FieldId::PREdit6), "1.03"); // 1.40625 - 0.375: the geometry still has a value
}

// The turn-by-turn sum the closed form replaces, as the algorithm states it.
double wireLengthTurnByTurn(double turns, double firstDiameter, double step)
{
    constexpr double kPi = 3.1415;
    const double whole = std::nearbyint(turns);
    if (whole == 0) return turns * kPi * firstDiameter;
    double diameter = firstDiameter;
    double length = kPi * diameter;
    for (long i = 1; i < static_cast<long>(whole); ++i) {
        diameter += step;
        length += kPi * diameter;
    }
    return length + (turns - whole) * kPi * diameter;
}

TEST(WireLength, RoundsTheTurnsHalfToEven)
{
    // Flat start design: first diameter 11.23, each turn 2 x 0.43 wider.
    EXPECT_NEAR(wireLengthInches(0.4, 11.23, 0.86), 0.4 * 3.1415 * 11.23, 1e-9); // 14.112
    EXPECT_NEAR(wireLengthInches(0.5, 11.23, 0.86), 0.5 * 3.1415 * 11.23, 1e-9); // n = 0
    // n = 2: two turns plus half the second one's circumference.
    EXPECT_NEAR(wireLengthInches(2.5, 11.23, 0.86), 92.250, 5e-4);
    // n = 3: three turns less four tenths of the third.
    EXPECT_NEAR(wireLengthInches(2.6, 11.23, 0.86), 97.669, 5e-4);

    for (const auto& [turns, whole] : {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {3.5, 4.0}, {1e12 + 0.5, 1e12}})
        EXPECT_EQ(roundTurnsHalfEven(turns), whole) << turns;
    // Whatever rounding mode the caller left behind.
    const int mode = std::fegetround();
    std::fesetround(FE_UPWARD);
    EXPECT_EQ(roundTurnsHalfEven(2.5), 2.0);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(mode);
}

TEST(WireLength, ClosedFormAgreesWithTheTurnByTurnSumForEveryStepperCount)
{
    // PRSpinButton4 reaches 1 to 100 turns in tenths; typed values below one turn too.
    struct Winding {
        double firstDiameter;
        double step;
    };
    const Winding windings[] = {{11.23, 0.86}, {11.23, 0.86 * 0.0000463}, {1.001, 6}, {19.5, 0.002}};
    for (const Winding& w : windings) {
        for (int tenths = 1; tenths <= 1000; ++tenths) {
            const double turns = tenths / 10.0;
            const double reference = wireLengthTurnByTurn(turns, w.firstDiameter, w.step);
            EXPECT_NEAR(wireLengthInches(turns, w.firstDiameter, w.step), reference, 1e-9 * reference)
                << turns << " turns from " << w.firstDiameter;
        }
    }
}

TEST(WireLength, TeraTurnsFinishAtOnceAndStayFinite)
{
    RunningCalculator r;
    r.type(FieldId::PREdit4, "1e12");
    r.pass(2);
    EXPECT_TRUE(r.host.messages.empty());
    EXPECT_TRUE(std::isfinite(r.calc.primary.wireLengthInches));
    EXPECT_GT(r.calc.primary.wireLengthInches, 1e12 * 3.1415 * 11.23);
    EXPECT_NE(r.shown(FieldId::PREdit8), "----");
}

TEST(Tuning, RequiredCapacitanceResonatesThePrimaryAtTheSecondaryFrequency)
{
    // Flat spiral: Lp = 0.016553 mH at 91.106 kHz.
    Design d;
    d.primaryAngleDegrees = 0;
    EXPECT_NEAR(requiredCapacitanceUf(91.106, primaryCoil(d).inductanceMh), 0.184368, 5e-7);
    EXPECT_TRUE(std::isnan(requiredCapacitanceUf(0, 0.016553)));
}

TEST(Tuning, TopLoadCheckChoosesTheFrequencyAndLpCpMatchesLsCs)
{
    RunningCalculator r;
    for (const bool withTopLoad : {true, false}) {
        if (r.calc.form.checked(OptionId::TopLoadCheck) != withTopLoad) r.select(OptionId::TopLoadCheck);
        r.pass();
        const SecondaryResults& s = r.calc.secondary;
        const double frequency = withTopLoad ? s.loadedFrequencyKhz : s.frequencyKhz;
        EXPECT_EQ(r.text(FieldId::PREdit9), formatField(frequency, "%7.4f"));
        // Both products are 1e9 / (4 pi^2 F^2); they differ only by 3.1415 against 3.1415927.
        const double lpCp = std::stod(r.text(FieldId::PREdit10));
        const double lsCs = std::stod(r.text(FieldId::PREdit11));
        EXPECT_NEAR(lpCp / lsCs, 1.0, 1e-4) << withTopLoad;
        EXPECT_GT(lpCp / lsCs, 1.0) << "3.1415 is the smaller pi, so LpCp is the larger product";
    }
}

TEST(TransformerMatch, StartDesignAndAWorkedExample)
{
    RunningCalculator r;
    r.pass();
    EXPECT_EQ(r.text(FieldId::TCEdit4), "  0.6632");
    EXPECT_EQ(r.text(FieldId::TCEdit5), "127.3277");

    Design d;
    d.outputVolts = 3500;
    d.ratedAmps = 0.24;
    d.inputVolts = 120;
    d.pfcRatingPercent = 50;
    const TransformerMatch m = transformerMatch(d);
    EXPECT_NEAR(m.matchUf, 0.181897, 5e-7);
    EXPECT_NEAR(m.pfcUf, 77.369268, 5e-6);
}

TEST(TransformerMatch, ScalesWithRatingAndCurrent)
{
    Design d;
    const TransformerMatch start = transformerMatch(d);
    d.pfcRatingPercent = 100;
    EXPECT_NEAR(transformerMatch(d).pfcUf, start.pfcUf * 4 / 3, 1e-9);
    d.ratedAmps = 0.5;
    EXPECT_NEAR(transformerMatch(d).matchUf, start.matchUf / 2, 1e-12);
}

class PrimaryAcceptance : public ::testing::Test {
protected:
    RunningCalculator r;
    void SetUp() override { r.pass(); }
};

TEST_F(PrimaryAcceptance, TwoBadFieldsGiveTwoMessagesInTheStagesOrder)
{
    r.type(FieldId::TCEdit7, "101");
    r.type(FieldId::PREdit2, "abc");
    std::vector<std::pair<std::string, std::string>> seen; // PREdit2, TCEdit7 while each box is open
    r.host.onWarning = [&] { seen.emplace_back(r.text(FieldId::PREdit2), r.text(FieldId::TCEdit7)); };
    r.pass();
    ASSERT_EQ(r.host.messages, (std::vector<std::string>{"Invalid Data Entered", "Invalid Data Entered"}));
    // The primary's own field comes first and each field is restored before its message.
    EXPECT_EQ(seen[0], (std::pair<std::string, std::string>{"0.230", "101"}));
    EXPECT_EQ(seen[1], (std::pair<std::string, std::string>{"0.230", "     75"}));
    r.pass();
    EXPECT_EQ(r.host.messages.size(), 2u);
}

TEST_F(PrimaryAcceptance, RulesOfThePrimaryFields)
{
    struct Case {
        FieldId field;
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {FieldId::PREdit1, "0", false},    {FieldId::PREdit3, "0", false},    {FieldId::PREdit3, "1.2.3", false},
        {FieldId::PREdit3, "", false},     {FieldId::PREdit4, "0", false},    {FieldId::PREdit12, "0", true},
        {FieldId::PREdit12, "90", true},   {FieldId::PREdit12, "90.5", false}, {FieldId::PREdit12, "-1", false},
        {FieldId::TCEdit7, "1", true},     {FieldId::TCEdit7, "100", true},   {FieldId::TCEdit7, "0", false},
        {FieldId::TCEdit1, "0", false},    {FieldId::PREdit1, "12", true},
    };
    for (const Case& c : cases) {
        RunningCalculator fresh;
        fresh.pass();
        const std::string before = fresh.text(c.field);
        fresh.type(c.field, c.text);
        fresh.pass();
        EXPECT_EQ(fresh.host.messages.empty(), c.accepted) << name(c.field) << " " << c.text;
        if (!c.accepted) {
            EXPECT_EQ(fresh.text(c.field), before) << name(c.field) << " restored";
        }
    }
}

TEST_F(PrimaryAcceptance, AcceptedValueShowsInTheResultsOnePassLater)
{
    const std::string inductance = r.text(FieldId::PREdit5);
    r.type(FieldId::PREdit4, "8");
    r.pass();
    EXPECT_EQ(r.calc.design.primaryTurns, 8);
    EXPECT_EQ(r.text(FieldId::PREdit5), inductance);
    r.pass();
    EXPECT_NE(r.text(FieldId::PREdit5), inductance);
}

TEST_F(PrimaryAcceptance, MainsFrequencyReachesTheSparkGapInTheSamePass)
{
    const std::string match = r.text(FieldId::TCEdit4);
    r.type(FieldId::TCEdit3, "50");
    r.pass();
    EXPECT_EQ(r.text(FieldId::SGEdit1), "100.0");
    EXPECT_EQ(r.text(FieldId::TCEdit4), match);
}

} // namespace
} // namespace qv
