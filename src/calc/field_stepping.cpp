// Field stepping: the forty arrow handlers of the twenty spin buttons are one stepping function
// over the field table's steps; the gauge, the turns per inch and the electrode thickness add a
// small rule of their own.

#include "calc/field_stepping.h"

#include "core/calculator.h"
#include "core/input_fields.h"
#include "core/units.h"

#include <cstdint>

namespace qv {
namespace {

constexpr const char* kCustomGaugeText = "Custom";

// The gauge sets the turns per inch of close winding and shows both.
void showGaugeTurns(Calculator& calc)
{
    calc.design.turnsPerInch = turnsPerInchForGauge(calc.design.secondaryGauge);
    showVariable(calc, FieldId::SEEdit4);
}

// Turns per inch stepped by hand belong to no gauge; the gauge number itself is kept, so the
// next gauge step starts from it.
void showCustomGauge(Calculator& calc) { calc.form.write(FieldId::SEEdit3, kCustomGaugeText); }

void afterStep(Calculator& calc, StepRule rule)
{
    if (rule == StepRule::Gauge) showGaugeTurns(calc);
    if (rule == StepRule::CustomTurns) showCustomGauge(calc);
}

// One press moves the variable by the step of the unit the field shows: in millimetres a length
// moves by its round metric step and the variable takes the converted value.
double moved(const InputField& f, double value, LengthUnit unit, SpinArrow arrow)
{
    const double direction = arrow == SpinArrow::Up ? 1 : -1;
    const LengthQuantity quantity = f.metric.quantity;
    if (unit == LengthUnit::Inches || quantity == LengthQuantity::None) return value + direction * f.stepping.step;
    return storedValue(shownValue(value, quantity, unit) + direction * f.metric.step, quantity, unit);
}

// Up clamps only at the upper limit and down only at the lower one, both inclusive; the step
// starts from the variable, so a value off the step grid stays off it.
double clamped(const Stepping& s, const Design& d, double value, SpinArrow arrow)
{
    // The thickness of the largest electrode may not pass the arc between two presentations.
    const double upper =
        s.rule == StepRule::ElectrodePitch ? electrodePitchInches(d.rotorRadiusInches, d.presentations) : s.highest;
    // The gauge must always name a row of the gauge table.
    const bool clampsBothEnds = s.rule == StepRule::Gauge;
    if (arrow == SpinArrow::Up) {
        if (value > upper) value = upper;
        if (clampsBothEnds && value < s.lowest) value = s.lowest;
    } else {
        if (value < s.lowest) value = s.lowest;
        if (clampsBothEnds && value > upper) value = upper;
    }
    return value;
}

double stepped(const InputField& f, const Design& d, double value, LengthUnit unit, SpinArrow arrow)
{
    return clamped(f.stepping, d, moved(f, value, unit, arrow), arrow);
}

} // namespace

bool hasStepping(ControlId button) { return steppedBy(button) != nullptr; }

void spinClick(Calculator& calc, ControlId button, SpinArrow arrow)
{
    const InputField* f = steppedBy(button);
    if (!f) return;
    const Stepping& s = f->stepping;
    Design& d = calc.design;
    if (f->value) {
        d.*f->value = stepped(*f, d, d.*f->value, calc.lengthUnit, arrow);
    } else {
        // In double, so a count at the edge of the integer range cannot overflow; the clamp on
        // the side it moves to keeps the result within the 32-bit range, so it converts back.
        const double count = stepped(*f, d, static_cast<double>(d.*f->count), calc.lengthUnit, arrow);
        d.*f->count = static_cast<std::int32_t>(count);
    }
    showVariable(calc, f->id);
    afterStep(calc, s.rule);
    if (s.takesFocus) calc.form.focusRequest = f->id;
}

} // namespace qv
