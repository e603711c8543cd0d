// The millimetre session: lengths shown and taken in millimetres, metres and turns per
// centimetre while every design variable stays in inches.

#include "calc/field_stepping.h"
#include "calc_test_support.h"
#include "core/input_fields.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qv {
namespace {

using test::RunningCalculator;

// The default design's lengths as a builder reads them off a metric rule (inch value x 25.4).
struct MetricEntry {
    FieldId field;
    const char* typed;
};
constexpr MetricEntry kDefaultDesignInMillimetres[] = {
    {FieldId::TOCEdit1, "76.2"},   {FieldId::TOCEdit2, "558.8"}, {FieldId::PREdit1, "279.4"},
    {FieldId::PREdit2, "5.842"},   {FieldId::PREdit3, "5.08"},   {FieldId::SEEdit1, "175.006"},
    {FieldId::SEEdit2, "1270"},
};

std::vector<std::string> allFieldTexts(const Calculator& calc)
{
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < kFieldCount; ++i) texts.push_back(calc.form.field(static_cast<FieldId>(i)).text);
    return texts;
}

TEST(Millimetres, DefaultDesignTypedInMillimetresComputesAndSavesTheSame)
{
    RunningCalculator inches;
    inches.pass(3);
    RunningCalculator metric;
    switchLengthUnit(metric.calc, LengthUnit::Millimetres);
    for (const auto& [field, typed] : kDefaultDesignInMillimetres) {
        beginEdit(metric.calc, field);
        metric.type(field, typed);
        endEdit(metric.calc, field);
    }
    metric.pass(3);
    EXPECT_TRUE(metric.host.messages.empty());
    EXPECT_EQ(metric.calc.referenceList, inches.calc.referenceList); // what a save writes
    switchLengthUnit(metric.calc, LengthUnit::Inches);
    metric.pass(2);
    const std::vector<std::string> expected = allFieldTexts(inches.calc);
    const std::vector<std::string> got = allFieldTexts(metric.calc);
    // A figure on a rounding half (the radius 6.89 / 2 = 3.445) may land on either side of it.
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        if (got[i] == expected[i]) continue;
        const std::size_t point = expected[i].find('.');
        ASSERT_NE(point, std::string::npos) << name(static_cast<FieldId>(i)) << ": " << got[i];
        const double lastDigit = std::pow(10.0, -static_cast<double>(expected[i].size() - point - 1));
        EXPECT_LE(std::abs(std::stod(got[i]) - std::stod(expected[i])), lastDigit * 1.000001)
            << name(static_cast<FieldId>(i)) << ": " << got[i] << " against " << expected[i];
    }
}

TEST(Millimetres, SwitchingBackAndForthChangesNoVariable)
{
    RunningCalculator calc;
    calc.pass(2);
    const std::vector<std::string> before = calc.calc.referenceList;
    const std::vector<std::string> textsBefore = allFieldTexts(calc.calc);
    for (int i = 0; i < 25; ++i) {
        switchLengthUnit(calc.calc, LengthUnit::Millimetres);
        calc.pass();
        switchLengthUnit(calc.calc, LengthUnit::Inches);
        calc.pass();
    }
    EXPECT_EQ(calc.calc.referenceList, before);
    EXPECT_EQ(allFieldTexts(calc.calc), textsBefore);
}

// The results too: while the timer stands still (a field being edited) no pass comes to rewrite
// them, and a length must never stand beside the other unit's caption.
TEST(Millimetres, ASwitchShowsEveryFieldInItsNewUnitWithoutWaitingForAPass)
{
    RunningCalculator calc;
    calc.pass(2);
    for (const LengthUnit unit : {LengthUnit::Millimetres, LengthUnit::Inches}) {
        switchLengthUnit(calc.calc, unit);
        const std::vector<std::string> switched = allFieldTexts(calc.calc);
        calc.pass();
        EXPECT_EQ(switched, allFieldTexts(calc.calc)) << unitName(unit);
    }
}

// Each figure at least as fine as its inch format: 0.200 in at "%4.3f" is 5.080 mm.
TEST(Millimetres, FieldsShowMetricFiguresOfTheStartDesign)
{
    struct Shown {
        FieldId field;
        const char* text;
    };
    const Shown kShown[] = {
        {FieldId::PREdit1, "279.4"},  // 11.0 in
        {FieldId::PREdit3, "5.080"},  // 0.2 in
        {FieldId::SEEdit2, "1270.00"}, // 50 in
        {FieldId::SEEdit4, "14.754"}, // 37.4753 turns/in over 2.54 cm
        {FieldId::SGEdit6, "12.0952"}, // 4000 V / 8400 V/in = 0.47619 in
        {FieldId::TCEdit1, "4000"},   // volts do not change
        {FieldId::SEEdit3, "22"},     // nor does the gauge
        {FieldId::SEEdit6, "87.50"},  // the secondary's radius, 3.445 in
        {FieldId::SEEdit9, "7.26"},   // a ratio stays a ratio
    };
    RunningCalculator calc;
    calc.pass();
    switchLengthUnit(calc.calc, LengthUnit::Millimetres);
    calc.pass(2);
    for (const auto& [field, text] : kShown) EXPECT_EQ(calc.shown(field), text) << name(field);
    // The wire in metres: the secondary's own result in feet, times 0.3048.
    EXPECT_NEAR(std::stod(calc.shown(FieldId::SEEdit8)), calc.calc.secondary.turns *
                                                              calc.calc.secondary.circumferenceInches * 0.0254, 5e-4);
}

class DetailRecorder final : public Host {
public:
    void warning(std::string_view text) override { details.emplace_back(text); }
    void warningWithDetail(std::string_view, std::string_view detail) override { details.emplace_back(detail); }
    std::vector<std::string> details;
};

TEST(Millimetres, RejectionStatesTheRangeInMillimetresAndKeepsTheVariable)
{
    DetailRecorder host;
    Calculator calc(host);
    BeginButtonClick(calc);
    switchLengthUnit(calc, LengthUnit::Millimetres);
    calc.form.type(FieldId::PREdit1, "0");
    Main_Loop1(calc);
    ASSERT_EQ(host.details.size(), 1U);
    EXPECT_EQ(host.details[0], "Primary Coil: Inside Diameter takes a number greater than 0 mm; it keeps 279.4.");
    EXPECT_EQ(calc.design.primaryInsideDiameterInches, 11.0);
    EXPECT_EQ(calc.form.field(FieldId::PREdit1).text, "279.4");
}

TEST(Millimetres, SpinButtonsStepRoundMetricAmountsWithinTheInchLimits)
{
    struct Press {
        ControlId button;
        SpinArrow arrow;
        FieldId field;
        const char* shownAfter;
    };
    const Press kPresses[] = {
        {ControlId::PRSpinButton1, SpinArrow::Up, FieldId::PREdit1, "280.4"},  // 1 mm
        {ControlId::PRSpinButton2, SpinArrow::Down, FieldId::PREdit2, "5.832"}, // 0.01 mm
        {ControlId::PRSpinButton3, SpinArrow::Up, FieldId::PREdit3, "5.180"},  // 0.1 mm
        {ControlId::SESpinButton2, SpinArrow::Up, FieldId::SEEdit2, "1271.00"}, // 1 mm
        {ControlId::SESpinButton4, SpinArrow::Up, FieldId::SEEdit4, "14.764"}, // 0.01 turns/cm
    };
    for (const auto& [button, arrow, field, shownAfter] : kPresses) {
        RunningCalculator calc;
        switchLengthUnit(calc.calc, LengthUnit::Millimetres);
        const ShownVariable& row = shownVariable(field);
        const double before = calc.calc.design.*row.value;
        spinClick(calc.calc, button, arrow);
        EXPECT_EQ(calc.shown(field), shownAfter) << name(field);
        // The variable holds the converted value of the stepped one, not a value rounded to the display.
        const double step = arrow == SpinArrow::Up ? row.metric.step : -row.metric.step;
        const LengthQuantity quantity = row.metric.quantity;
        EXPECT_DOUBLE_EQ(calc.calc.design.*row.value,
                         storedValue(shownValue(before, quantity, LengthUnit::Millimetres) + step, quantity,
                                     LengthUnit::Millimetres))
            << name(field);
    }
    // The inch limit still holds: the inside diameter stops at 1 in, 25.4 mm.
    RunningCalculator calc;
    switchLengthUnit(calc.calc, LengthUnit::Millimetres);
    calc.calc.design.primaryInsideDiameterInches = 1.01;
    spinClick(calc.calc, ControlId::PRSpinButton1, SpinArrow::Down);
    EXPECT_EQ(calc.calc.design.primaryInsideDiameterInches, 1.0);
}

} // namespace
} // namespace qv
