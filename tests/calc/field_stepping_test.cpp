// Field stepping: both ends of every spin button against the limits of the Field stepping table,
// the gauge and "Custom" sequence, the electrode thickness's own upper limit, and what stepping
// leaves alone.

#include "calc/field_stepping.h"
#include "calc_test_support.h"
#include "core/input_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qv {
namespace {

using test::RunningCalculator;
constexpr double kNone = std::numeric_limits<double>::infinity();

// The limits as the table of spin buttons gives them, written out again here.
struct Limits {
    ControlId button;
    FieldId field;
    double step;
    double lower;
    double upper;
};
constexpr Limits kLimits[] = {
    {ControlId::TCSpinButton1, FieldId::TCEdit1, 100, 100, 150000},
    {ControlId::TCSpinButton2, FieldId::TCEdit2, 0.005, 0.005, 100},
    {ControlId::TCSpinButton3, FieldId::TCEdit3, 10, 10, 150000},
    {ControlId::TCSpinButton4, FieldId::TCEdit6, 5, 1, 15000},
    {ControlId::TCSpinButton5, FieldId::TCEdit7, 1, 1, 100},
    {ControlId::TOCSpinButton1, FieldId::TOCEdit1, 0.05, 0.05, kNone},
    {ControlId::TOCSpinButton2, FieldId::TOCEdit2, 0.05, 0.05, kNone},
    {ControlId::PRSpinButton1, FieldId::PREdit1, 0.1, 1, 20},
    {ControlId::PRSpinButton2, FieldId::PREdit2, 0.001, 0.001, 1},
    {ControlId::PRSpinButton3, FieldId::PREdit3, 0.01, 0.1, 2},
    {ControlId::PRSpinButton4, FieldId::PREdit4, 0.1, 1, 100},
    {ControlId::SESpinButton1, FieldId::SEEdit1, 0.01, 1, 36},
    {ControlId::SESpinButton2, FieldId::SEEdit2, 0.1, 1, 72},
    {ControlId::SESpinButton3, FieldId::SEEdit3, 1, 1, 40},
    {ControlId::SESpinButton4, FieldId::SEEdit4, 0.01, 1, 200},
    {ControlId::SGSpinButton2, FieldId::SGEdit2, 1, 1, 100000},
    {ControlId::SGSpinButton3, FieldId::SGEdit3, 0.001, 0.001, 6.283 * 2.13 / 16},
    {ControlId::SGSpinButton4, FieldId::SGEdit4, 0.01, 0.01, 100},
    {ControlId::SGSpinButton5, FieldId::SGEdit5, 2, 4, 40},
    {ControlId::SGSpinButton7, FieldId::SGEdit7, 100, 100, 100000},
};

// The variable behind a field, through the calculator's own table of shown variables.
double value(const Design& d, FieldId field)
{
    const ShownVariable& v = shownVariable(field);
    return v.value ? d.*v.value : d.*v.count;
}
void setValue(Design& d, FieldId field, double x)
{
    const ShownVariable& v = shownVariable(field);
    if (v.value) d.*v.value = x;
    else d.*v.count = static_cast<std::int32_t>(x);
}

TEST(SpinLimits, BothEndsOfEveryButtonAreInclusiveClamps)
{
    for (const Limits& l : kLimits) {
        RunningCalculator r;
        Design& d = r.calc.design;
        ASSERT_TRUE(hasStepping(l.button)) << name(l.button);
        const bool whole = shownVariable(l.field).count != nullptr;

        // Half a step above the lower limit (a whole step for a count) lands on it.
        setValue(d, l.field, l.lower + (whole ? l.step : l.step / 2));
        spinClick(r.calc, l.button, SpinArrow::Down);
        EXPECT_DOUBLE_EQ(value(d, l.field), l.lower) << name(l.button) << " down";
        spinClick(r.calc, l.button, SpinArrow::Down);
        EXPECT_DOUBLE_EQ(value(d, l.field), l.lower) << name(l.button) << " down at the limit";

        if (l.upper == kNone) {
            setValue(d, l.field, 1e6);
            spinClick(r.calc, l.button, SpinArrow::Up);
            EXPECT_DOUBLE_EQ(value(d, l.field), 1e6 + l.step) << name(l.button) << " has no upper limit";
            continue;
        }
        setValue(d, l.field, l.upper - (whole ? l.step : l.step / 2));
        spinClick(r.calc, l.button, SpinArrow::Up);
        EXPECT_DOUBLE_EQ(value(d, l.field), l.upper) << name(l.button) << " up";
        spinClick(r.calc, l.button, SpinArrow::Up);
        EXPECT_DOUBLE_EQ(value(d, l.field), l.upper) << name(l.button) << " up at the limit";
    }
}

TEST(SpinLimits, WorkedValues)
{
    RunningCalculator r;
    Design& d = r.calc.design;
    auto press = [&](ControlId b, SpinArrow a) { spinClick(r.calc, b, a); };

    d.outputVolts = 150; // only reachable by typing
    press(ControlId::TCSpinButton1, SpinArrow::Down);
    EXPECT_EQ(r.text(FieldId::TCEdit1), "    100");
    d.inputVolts = 4;
    press(ControlId::TCSpinButton4, SpinArrow::Down);
    EXPECT_EQ(d.inputVolts, 1); // the limit 1 is not a multiple of the step 5
    d.toroidDiameterInches = 0.30;
    press(ControlId::TOCSpinButton2, SpinArrow::Down);
    EXPECT_EQ(r.text(FieldId::TOCEdit2), "0.25");
    d.primaryInsideDiameterInches = 1.234; // off the step grid stays off it
    press(ControlId::PRSpinButton1, SpinArrow::Up);
    EXPECT_NEAR(d.primaryInsideDiameterInches, 1.334, 1e-12);
    press(ControlId::SGSpinButton7, SpinArrow::Up);
    EXPECT_EQ(r.text(FieldId::SGEdit7), "1900");
    // Counts at the ends of the 32-bit range step into the limits without overflowing.
    d.gapCount = std::numeric_limits<std::int32_t>::max();
    press(ControlId::SGSpinButton2, SpinArrow::Up);
    EXPECT_EQ(d.gapCount, 100000);
    d.gapCount = std::numeric_limits<std::int32_t>::min();
    press(ControlId::SGSpinButton2, SpinArrow::Down);
    EXPECT_EQ(d.gapCount, 1);
}

TEST(SpinGauge, GaugeSetsTurnsPerInchAndCustomKeepsTheGauge)
{
    RunningCalculator r;
    Design& d = r.calc.design;
    EXPECT_EQ(r.text(FieldId::SEEdit4), "37.48"); // gauge 22

    spinClick(r.calc, ControlId::SESpinButton4, SpinArrow::Up);
    EXPECT_EQ(r.text(FieldId::SEEdit4), "37.49");
    EXPECT_EQ(r.text(FieldId::SEEdit3), "Custom");
    EXPECT_EQ(d.secondaryGauge, 22);

    spinClick(r.calc, ControlId::SESpinButton3, SpinArrow::Down);
    EXPECT_EQ(r.text(FieldId::SEEdit3), "  21");
    EXPECT_EQ(r.text(FieldId::SEEdit4), "33.33"); // 0.95 / 0.0285

    d.secondaryGauge = 40;
    spinClick(r.calc, ControlId::SESpinButton3, SpinArrow::Up);
    EXPECT_EQ(d.secondaryGauge, 40);
    EXPECT_EQ(r.text(FieldId::SEEdit4), "302.07"); // 0.95 / 0.003145
    d.secondaryGauge = 1;
    spinClick(r.calc, ControlId::SESpinButton3, SpinArrow::Down);
    EXPECT_EQ(r.text(FieldId::SEEdit4), "3.28");

    // A gauge outside the table (a damaged design file) steps back into it.
    for (const std::int32_t outside : {0, 99}) {
        d.secondaryGauge = outside;
        spinClick(r.calc, ControlId::SESpinButton3, outside == 0 ? SpinArrow::Down : SpinArrow::Up);
        EXPECT_EQ(d.secondaryGauge, outside == 0 ? 1 : 40);
    }
}

TEST(SpinThickness, UpArrowStopsAtTheElectrodePitch)
{
    RunningCalculator r;
    Design& d = r.calc.design;
    for (int i = 0; i < 1000; ++i) spinClick(r.calc, ControlId::SGSpinButton3, SpinArrow::Up);
    EXPECT_DOUBLE_EQ(d.electrodeThicknessInches, 6.283 * 2.13 / 16); // 0.8364
    EXPECT_EQ(r.text(FieldId::SGEdit3), "0.836");

    // Changing the radius does not shorten the thickness; only its own up arrow does.
    for (int i = 0; i < 100; ++i) spinClick(r.calc, ControlId::SGSpinButton4, SpinArrow::Down);
    EXPECT_DOUBLE_EQ(d.electrodeThicknessInches, 6.283 * 2.13 / 16);
    spinClick(r.calc, ControlId::SGSpinButton3, SpinArrow::Down);
    EXPECT_NEAR(d.electrodeThicknessInches, 6.283 * 2.13 / 16 - 0.001, 1e-12);
    spinClick(r.calc, ControlId::SGSpinButton3, SpinArrow::Up);
    EXPECT_NEAR(d.electrodeThicknessInches, 6.283 * 1.13 / 16, 1e-9); // the radius after 100 steps
}

TEST(SpinSideEffects, FieldRewrittenFocusMovedLabelsUntouched)
{
    RunningCalculator r;
    r.type(FieldId::PREdit4, "7.7");
    spinClick(r.calc, ControlId::PRSpinButton4, SpinArrow::Up);
    EXPECT_FALSE(r.calc.form.field(FieldId::PREdit4).modified);
    EXPECT_EQ(r.text(FieldId::PREdit4), " 5.5"); // from the variable, not the typed text
    EXPECT_FALSE(r.calc.form.focusRequest);

    const ControlId secondary[] = {ControlId::SESpinButton1, ControlId::SESpinButton2, ControlId::SESpinButton3,
                                   ControlId::SESpinButton4};
    const FieldId fields[] = {FieldId::SEEdit1, FieldId::SEEdit2, FieldId::SEEdit3, FieldId::SEEdit4};
    for (std::size_t i = 0; i < 4; ++i) {
        r.calc.form.focusRequest.reset();
        spinClick(r.calc, secondary[i], SpinArrow::Down);
        EXPECT_EQ(r.calc.form.focusRequest, fields[i]) << name(secondary[i]);
    }

    std::vector<Control> before;
    for (std::size_t i = 0; i < kControlCount; ++i) before.push_back(r.calc.form.control(static_cast<ControlId>(i)));
    for (const Limits& l : kLimits)
        for (const SpinArrow a : {SpinArrow::Up, SpinArrow::Down}) spinClick(r.calc, l.button, a);
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const Control& now = r.calc.form.control(static_cast<ControlId>(i));
        EXPECT_EQ(now.caption, before[i].caption) << name(static_cast<ControlId>(i));
        EXPECT_EQ(now.visible, before[i].visible) << name(static_cast<ControlId>(i));
    }
}

TEST(SpinSideEffects, ButtonsWithoutHandlersDoNothing)
{
    RunningCalculator r;
    for (const ControlId id : {ControlId::SGSpinButton1, ControlId::SGSpinButton6, ControlId::Label90}) {
        EXPECT_FALSE(hasStepping(id)) << name(id);
        const Design before = r.calc.design;
        spinClick(r.calc, id, SpinArrow::Up);
        EXPECT_EQ(r.calc.design.breakRateHz, before.breakRateHz);
        EXPECT_EQ(r.calc.design.gapWidthInches, before.gapWidthInches);
    }
}

} // namespace
} // namespace qv
