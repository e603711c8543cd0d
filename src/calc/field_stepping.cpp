// Field stepping: the forty arrow handlers of the twenty spin buttons are the rows of one table
// and one stepping function; the gauge, the turns per inch and the electrode thickness add a
// small rule of their own.

#include "calc/field_stepping.h"

#include "core/calculator.h"
#include "core/format.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <limits>

namespace qv {
namespace {

constexpr double kNoUpperLimit = std::numeric_limits<double>::infinity();
constexpr double kTwoPiPitch = 6.283; // the electrode pitch's two pi, as in the spark gap
constexpr const char* kCustomGaugeText = "Custom";

// The thickness of the largest electrode may not pass the arc between two presentations.
double electrodePitchInches(const Design& d)
{
    return kTwoPiPitch * d.rotorRadiusInches / static_cast<double>(d.presentations);
}

// The gauge sets the turns per inch of close winding and shows both.
void showGaugeTurns(Calculator& calc)
{
    calc.design.turnsPerInch = turnsPerInchForGauge(calc.design.secondaryGauge);
    showVariable(calc, FieldId::SEEdit4);
}

// Turns per inch stepped by hand belong to no gauge; the gauge number itself is kept, so the
// next gauge step starts from it.
void showCustomGauge(Calculator& calc) { calc.form.write(FieldId::SEEdit3, kCustomGaugeText); }

struct Stepper {
    ControlId button;
    FieldId field;
    double Design::*value;      // a float quantity, or
    std::int32_t Design::*count; // an integer one
    double step;
    double lowest;
    double highest;
    Format format;
    bool takesFocus = false;        // the secondary's buttons move the keyboard focus to the field
    bool clampsBothEnds = false;    // the gauge must always name a row of the gauge table
    double (*upperLimit)(const Design&) = nullptr; // replaces `highest` on the up arrow
    void (*afterStep)(Calculator&) = nullptr;
};

constexpr Stepper kSteppers[] = {
    {ControlId::TCSpinButton1, FieldId::TCEdit1, &Design::outputVolts, nullptr, 100, 100, 150000, "%7.0f"},
    {ControlId::TCSpinButton2, FieldId::TCEdit2, &Design::ratedAmps, nullptr, 0.005, 0.005, 100, "%7.3f"},
    {ControlId::TCSpinButton3, FieldId::TCEdit3, &Design::lineFrequencyHz, nullptr, 10, 10, 150000, "%7.0f"},
    {ControlId::TCSpinButton4, FieldId::TCEdit6, &Design::inputVolts, nullptr, 5, 1, 15000, "%7.0f"},
    {ControlId::TCSpinButton5, FieldId::TCEdit7, &Design::pfcRatingPercent, nullptr, 1, 1, 100, "%7.0f"},
    {ControlId::TOCSpinButton1, FieldId::TOCEdit1, &Design::tubeDiameterInches, nullptr, 0.05, 0.05, kNoUpperLimit, "%4f"},
    {ControlId::TOCSpinButton2, FieldId::TOCEdit2, &Design::toroidDiameterInches, nullptr, 0.05, 0.05, kNoUpperLimit, "%4f"},
    {ControlId::PRSpinButton1, FieldId::PREdit1, &Design::primaryInsideDiameterInches, nullptr, 0.1, 1, 20, "%4.1f"},
    {ControlId::PRSpinButton2, FieldId::PREdit2, &Design::primaryWireDiameterInches, nullptr, 0.001, 0.001, 1, "%4.3f"},
    {ControlId::PRSpinButton3, FieldId::PREdit3, &Design::primarySpacingInches, nullptr, 0.01, 0.1, 2, "%4.3f"},
    {ControlId::PRSpinButton4, FieldId::PREdit4, &Design::primaryTurns, nullptr, 0.1, 1, 100, "%4.1f"},
    {ControlId::SESpinButton1, FieldId::SEEdit1, &Design::secondaryDiameterInches, nullptr, 0.01, 1, 36, "%4f", true},
    {ControlId::SESpinButton2, FieldId::SEEdit2, &Design::secondaryLengthInches, nullptr, 0.1, 1, 72, "%4f", true},
    {ControlId::SESpinButton3, FieldId::SEEdit3, nullptr, &Design::secondaryGauge, 1, kSmallestGauge, kLargestGauge, "%4d",
     true, true, nullptr, showGaugeTurns},
    {ControlId::SESpinButton4, FieldId::SEEdit4, &Design::turnsPerInch, nullptr, 0.01, 1, 200, "%4f", true, false, nullptr,
     showCustomGauge},
    {ControlId::SGSpinButton2, FieldId::SGEdit2, nullptr, &Design::gapCount, 1, 1, 100000, "%4d"},
    {ControlId::SGSpinButton3, FieldId::SGEdit3, &Design::electrodeThicknessInches, nullptr, 0.001, 0.001, kNoUpperLimit,
     "%4.3f", false, false, electrodePitchInches},
    {ControlId::SGSpinButton4, FieldId::SGEdit4, &Design::rotorRadiusInches, nullptr, 0.01, 0.01, 100, "%4.2f"},
    {ControlId::SGSpinButton5, FieldId::SGEdit5, nullptr, &Design::presentations, 2, 4, 40, "%4d"},
    {ControlId::SGSpinButton7, FieldId::SGEdit7, nullptr, &Design::motorRpm, 100, 100, 100000, "%4d"},
};

const Stepper* findStepper(ControlId button)
{
    const auto found = std::find_if(std::begin(kSteppers), std::end(kSteppers),
                                    [button](const Stepper& s) { return s.button == button; });
    return found == std::end(kSteppers) ? nullptr : &*found;
}

// Up clamps only at the upper limit and down only at the lower one, both inclusive; the step
// starts from the variable, so a value off the step grid stays off it.
double stepped(const Stepper& s, const Design& d, double value, SpinArrow arrow)
{
    const double upper = s.upperLimit ? s.upperLimit(d) : s.highest;
    if (arrow == SpinArrow::Up) {
        value += s.step;
        if (value > upper) value = upper;
        if (s.clampsBothEnds && value < s.lowest) value = s.lowest;
    } else {
        value -= s.step;
        if (value < s.lowest) value = s.lowest;
        if (s.clampsBothEnds && value > upper) value = upper;
    }
    return value;
}

} // namespace

bool hasStepping(ControlId button) { return findStepper(button) != nullptr; }

void spinClick(Calculator& calc, ControlId button, SpinArrow arrow)
{
    const Stepper* s = findStepper(button);
    if (!s) return;
    Design& d = calc.design;
    if (s->value) {
        d.*s->value = stepped(*s, d, d.*s->value, arrow);
        calc.form.write(s->field, formatField(d.*s->value, s->format));
    } else {
        // In double, so a count at the edge of the integer range cannot overflow; the clamp on
        // the side it moves to keeps the result within the 32-bit range, so it converts back.
        const double count = stepped(*s, d, static_cast<double>(d.*s->count), arrow);
        d.*s->count = static_cast<std::int32_t>(count);
        calc.form.write(s->field, formatField(d.*s->count, s->format));
    }
    if (s->afterStep) s->afterStep(calc);
    if (s->takesFocus) calc.form.focusRequest = s->field;
}

} // namespace qv
