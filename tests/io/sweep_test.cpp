// The sweep engine: it never touches the design it starts from, a cancelled sweep yields nothing,
// the points shared between threads come out as one thread computes them, and the range is sound.
#include "io/sweep.h"

#include "core/units.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

struct StartedCalculator {
    test::RecordingHost host;
    Calculator calc{host};
    StartedCalculator()
    {
        BeginButtonClick(calc);
        Main_Loop1(calc);
        Main_Loop1(calc);
    }
};

SweepRequest turnsAgainstCoupling(int points)
{
    return {*sweepInputByName("PREdit4"), {-1, 8, points, false},
            {*sweepFigureByName("PREdit13"), *sweepFigureByName("k")}};
}

// Everything a sweep could leave behind in the design, its fields and the messages shown.
std::string designState(const StartedCalculator& s)
{
    std::string state = exactText(s.calc.design.primaryTurns) + "|" + exactText(s.calc.design.topLoadPf);
    for (std::size_t i = 0; i < kFieldCount; ++i) state += "|" + s.calc.form.field(static_cast<FieldId>(i)).text;
    return state + "|" + std::to_string(s.host.messages.size()) + (s.calc.timerRunning ? "|running" : "|stopped");
}

TEST(Sweep, NeitherACompleteNorACancelledSweepTouchesTheDesign)
{
    StartedCalculator s;
    const std::string before = designState(s);
    ASSERT_TRUE(runSweep(s.calc, turnsAgainstCoupling(10)));
    EXPECT_EQ(designState(s), before) << "after a whole sweep, one of whose values is refused";

    std::atomic<bool> cancel{false};
    SweepControl control{&cancel, [&](std::size_t done, std::size_t) { cancel = done >= 3; }, 1};
    EXPECT_FALSE(runSweep(s.calc, turnsAgainstCoupling(10), control)) << "a cancelled sweep yields no table";
    EXPECT_EQ(designState(s), before) << "after a cancelled sweep";
}

TEST(Sweep, PointsSharedBetweenTwoThreadsComeOutAsOneThreadComputesThem)
{
    const StartedCalculator s;
    const auto one = runSweep(s.calc, turnsAgainstCoupling(9), {nullptr, {}, 1});
    const auto two = runSweep(s.calc, turnsAgainstCoupling(9), {nullptr, {}, 2});
    ASSERT_TRUE(one && two);
    EXPECT_EQ(sweepCsv(*one), sweepCsv(*two));
}

// A millimetre session types the range in millimetres and reads every length in its unit; the
// figures are the inch sweep's, and a refusal speaks millimetres.
TEST(Sweep, AMillimetreSweepIsTheInchSweepWithItsLengthsConverted)
{
    StartedCalculator s;
    const std::vector<SweepFigure> figures{*sweepFigureByName("PREdit6"), *sweepFigureByName("PREdit8"),
                                           *sweepFigureByName("k")};
    const auto inches = runSweep(s.calc, {*sweepInputByName("PREdit3"), {-0.5, 1.5, 5, false}, figures});
    switchLengthUnit(s.calc, LengthUnit::Millimetres);
    const auto mm = runSweep(s.calc, {*sweepInputByName("PREdit3"), {-12.7, 38.1, 5, false}, figures});
    ASSERT_TRUE(inches && mm);
    const double factors[] = {kMillimetresPerInch, kMetresPerFoot, 1};
    for (std::size_t i = 1; i < mm->values.size(); ++i)
        for (std::size_t f = 0; f < figures.size(); ++f)
            EXPECT_NEAR(*mm->values[i][f].value, *inches->values[i][f].value * factors[f], 1e-9) << i << " " << f;
    EXPECT_NE(mm->refusals.front().find("mm"), std::string::npos) << mm->refusals.front();
    EXPECT_EQ(sweepCsv(*mm).substr(0, sweepCsv(*mm).find('\n')), "PREdit3 (mm),PREdit6 (mm),PREdit8 (m),k,notes");
    const SweepTable back = tableIn(*mm, LengthUnit::Inches);
    EXPECT_EQ(back.input.unit, "in");
    EXPECT_NEAR(back.inputValues.back(), 1.5, 1e-12);
    EXPECT_NEAR(*back.values.back()[1].value, *inches->values.back()[1].value, 1e-12);
}

TEST(Sweep, ALogarithmicRangeStepsByEqualRatiosAndEndsExactly)
{
    const std::vector<double> values = sweepValues({0.001, 0.1, 3, true});
    ASSERT_EQ(values.size(), 3U);
    EXPECT_EQ(values.front(), 0.001);
    EXPECT_NEAR(values[1], 0.01, 1e-15); // the geometric mean of the ends
    EXPECT_EQ(values.back(), 0.1);
}

TEST(Sweep, RangesThatCannotBeSweptAreRefusedWithTheReason)
{
    const struct {
        SweepRange range;
        const char* reason;
    } cases[] = {
        {{1, 2, 1, false}, "number of points"},
        {{1, 2, kMostSweepPoints + 1, false}, "number of points"},
        {{3, 3, 10, false}, "two different ends"},
        {{0, 2, 10, true}, "logarithmic"},
    };
    for (const auto& c : cases)
        EXPECT_NE(rangeRejection(c.range).find(c.reason), std::string::npos) << c.reason;
    EXPECT_EQ(rangeRejection({0, 2, kMostSweepPoints, false}), "");
}

} // namespace
} // namespace qv
