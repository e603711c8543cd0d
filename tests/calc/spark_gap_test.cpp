// Spark gap in series and rotary mode, the spark output, the break-rate field and the mode
// buttons that rearrange the Spark Gap sheet.

#include "calc/primary_steps.h"
#include "calc/stages.h"
#include "calc_test_support.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

using test::RunningCalculator;

struct GapFields {
    const char* breakRate;
    const char* gapWidth;
    const char* trigger;
};

void expectGap(const RunningCalculator& r, const GapFields& expected)
{
    EXPECT_EQ(r.shown(FieldId::SGEdit1), expected.breakRate);
    EXPECT_EQ(r.shown(FieldId::SGEdit6), expected.gapWidth);
    EXPECT_EQ(r.shown(FieldId::SGEdit8), expected.trigger);
}

TEST(SeriesGap, StartDesignAndFourGaps)
{
    RunningCalculator r;
    r.pass();
    expectGap(r, {"120.0", "0.4762", "4000"});
    EXPECT_EQ(r.shown(FieldId::OutputEdit1), "76"); // 1.2 sqrt(4000) = 75.89
    r.calc.design.gapCount = 4;
    r.pass();
    expectGap(r, {"120.0", "0.1190", "1000"});
    EXPECT_EQ(r.text(FieldId::SGEdit2), "   4");
}

TEST(RotaryGap, StartDesignAndFourPresentations)
{
    RunningCalculator r;
    r.select(OptionId::RadioButton2);
    r.pass();
    // 480 presentations per second over (0.83642 - 0.125) / 0.83642 = 0.85056.
    expectGap(r, {"564.3", "0.0911", "1531"});
    EXPECT_EQ(r.text(FieldId::SGEdit3), "0.250"); // three decimals from the first pass on
    r.calc.design.presentations = 4;
    r.pass();
    expectGap(r, {"124.7", "0.2381", "4000"});
}

TEST(RotaryGap, DividesByTheMainsFrequencyValue)
{
    Design d;
    d.lineFrequencyHz = 50;
    d.electrodeThicknessInches = 0; // no dwell correction
    EXPECT_DOUBLE_EQ(rotaryGap(d).breakRateHz, 576); // 1800 / 50 x 16
    // sin(2 pi / Np) with the full pi: 16 presentations give sin(pi / 8).
    EXPECT_NEAR(rotaryGap(d).triggerVolts, 4000 * std::sin(std::acos(-1.0) / 8), 1e-9);
}

TEST(RotaryGap, ThicknessAtOrBeyondTwicePitchShowsDashesAndKeepsTheLastRate)
{
    RunningCalculator r;
    r.select(OptionId::RadioButton2);
    r.pass();
    const double lastRate = r.calc.design.breakRateHz;
    Design& d = r.calc.design;
    for (const double pitches : {2.0, 3.0}) {
        // t / 2 equals the pitch exactly at 2, so the divisor is exactly zero; beyond it negative.
        d.electrodeThicknessInches = pitches * (6.283 * d.rotorRadiusInches / d.presentations);
        r.pass();
        EXPECT_EQ(r.shown(FieldId::SGEdit1), "----") << pitches;
        EXPECT_EQ(d.breakRateHz, lastRate);
        EXPECT_EQ(r.shown(FieldId::SGEdit6), "0.0911"); // the width does not depend on t
    }
}

TEST(RotaryGap, NothingNonFiniteReachesTheDesign)
{
    RunningCalculator r;
    r.select(OptionId::RadioButton2);
    r.pass();
    const Design before = r.calc.design;
    r.calc.design.presentations = 0; // not reachable by stepping; a guard all the same
    r.pass();
    EXPECT_EQ(r.calc.design.breakRateHz, before.breakRateHz);
    EXPECT_EQ(r.calc.design.gapWidthInches, before.gapWidthInches);
    EXPECT_EQ(r.calc.design.triggerVolts, before.triggerVolts);
    expectGap(r, {"----", "----", "----"});
}

TEST(BreakRateField, AcceptedValueIsOverwrittenAndBadOneWarnsFirst)
{
    RunningCalculator r;
    r.pass();
    r.type(FieldId::SGEdit1, "500");
    r.pass();
    EXPECT_TRUE(r.host.messages.empty());
    EXPECT_EQ(r.text(FieldId::SGEdit1), "120.0");

    for (const char* bad : {"0", "100001"}) {
        std::string whileOpen;
        r.host.onWarning = [&] { whileOpen = r.text(FieldId::SGEdit1); };
        r.type(FieldId::SGEdit1, bad);
        r.pass();
        EXPECT_EQ(whileOpen, "  120.0") << bad; // restored in "%7.1f" before the message
        EXPECT_EQ(r.text(FieldId::SGEdit1), "120.0");
    }
    EXPECT_EQ(r.host.messages.size(), 2u);
}

// Which controls each mode shows, read from the sheet's description, not from the code.
struct ModeRow {
    ControlId control;
    bool inSeries;
    bool inRotary;
};
constexpr ModeRow kModeControls[] = {
    {ControlId::Label89, true, false},       {ControlId::SGSpinButton2, true, false},
    {ControlId::Label92, true, false},       {ControlId::SGLabel3, false, true},
    {ControlId::SGSpinButton3, false, true}, {ControlId::SGLabel4, false, true},
    {ControlId::SGSpinButton4, false, true}, {ControlId::SGLabel5, false, true},
    {ControlId::SGSpinButton5, false, true}, {ControlId::SGLabel7, false, true},
    {ControlId::SGSpinButton7, false, true}, {ControlId::SGSpinButton6, false, false},
};
struct ModeField {
    FieldId field;
    bool inSeries;
    bool inRotary;
};
constexpr ModeField kModeFields[] = {
    {FieldId::SGEdit1, true, true}, {FieldId::SGEdit2, true, false}, {FieldId::SGEdit3, false, true},
    {FieldId::SGEdit4, false, true}, {FieldId::SGEdit5, false, true}, {FieldId::SGEdit6, true, true},
    {FieldId::SGEdit7, false, true}, {FieldId::SGEdit8, true, true},
};

TEST(GapMode, ButtonsRearrangeTheSheet)
{
    RunningCalculator r;
    for (const bool rotary : {true, false, true}) {
        r.select(rotary ? OptionId::RadioButton2 : OptionId::RadioButton1);
        for (const ModeRow& row : kModeControls)
            EXPECT_EQ(r.calc.form.control(row.control).visible, rotary ? row.inRotary : row.inSeries)
                << name(row.control) << (rotary ? " rotary" : " series");
        for (const ModeField& row : kModeFields)
            EXPECT_EQ(r.calc.form.field(row.field).visible, rotary ? row.inRotary : row.inSeries)
                << name(row.field) << (rotary ? " rotary" : " series");
        EXPECT_EQ(r.calc.form.control(ControlId::Label90).caption,
                  rotary ? "Each Side Gap Width (2 Per Side) (IN)" : "Each Gap Width (IN)");
        EXPECT_EQ(r.calc.form.checked(OptionId::RadioButton1), !rotary);
    }
}

} // namespace
} // namespace qv
