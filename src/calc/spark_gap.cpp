// Spark gap (static gaps in series, or a rotary gap) and the expected spark length, with the
// handlers of the Spark Gap sheet's mode buttons.

#include "calc/primary_steps.h"
#include "calc/stages.h"
#include "core/calculator.h"
#include "core/units.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <numbers>

namespace qv {
namespace {

constexpr double kHalfPi = std::numbers::pi / 2; // the rotary gap width's, at full precision
constexpr double kPresentationsPerQuadrant = 4;
constexpr double kSideGapsPerGap = 2;
constexpr double kSparkOutputFactor = 1.2;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

constexpr const char* kSeriesGapCaption = "Each Gap Width (";
constexpr const char* kRotaryGapCaption = "Each Side Gap Width (2 Per Side) (";

// The gap width's caption ends with the unit the width is shown in, in capitals: "(IN)", "(MM)".
std::string gapWidthCaption(bool rotary, LengthUnit unit)
{
    std::string caption = rotary ? kRotaryGapCaption : kSeriesGapCaption;
    for (const char c : unitCaption(metricOf(FieldId::SGEdit6).quantity, unit))
        caption += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return caption + ")";
}

// The controls of each gap kind; the other kind's are hidden.
constexpr ControlId kSeriesControls[] = {ControlId::Label89, ControlId::SGSpinButton2, ControlId::Label92};
constexpr FieldId kSeriesFields[] = {FieldId::SGEdit2};
constexpr ControlId kRotaryControls[] = {ControlId::SGLabel3, ControlId::SGSpinButton3, ControlId::SGLabel4,
                                         ControlId::SGSpinButton4, ControlId::SGLabel5, ControlId::SGSpinButton5,
                                         ControlId::SGLabel7, ControlId::SGSpinButton7};
constexpr FieldId kRotaryFields[] = {FieldId::SGEdit3, FieldId::SGEdit4, FieldId::SGEdit5, FieldId::SGEdit7};

void showGapKind(Form& form, bool rotary, LengthUnit unit)
{
    for (const ControlId id : kSeriesControls) form.setVisible(id, !rotary);
    for (const FieldId id : kSeriesFields) form.setVisible(id, !rotary);
    for (const ControlId id : kRotaryControls) form.setVisible(id, rotary);
    for (const FieldId id : kRotaryFields) form.setVisible(id, rotary);
    form.setVisible(ControlId::SGSpinButton6, false); // the gap width has no stepping
    form.setCaption(ControlId::Label90, gapWidthCaption(rotary, unit));
}

// A design variable takes only a value that can be shown; otherwise it keeps the last one.
void keepFinite(double& variable, double value)
{
    if (std::isfinite(value)) variable = value;
}

} // namespace

double sparkOutputInches(const Design& d)
{
    // 1.2 times the square root of the input power in watts.
    return kSparkOutputFactor * std::sqrt(d.outputVolts * d.ratedAmps);
}

SparkGap seriesGap(const Design& d)
{
    SparkGap gap{};
    gap.breakRateHz = kSeriesFiringsPerCycle * d.lineFrequencyHz;
    gap.gapWidthInches = d.gapCount == 0 ? kNaN : seriesGapWidthInches(d.outputVolts, d.gapCount);
    gap.triggerVolts = gap.gapWidthInches * kGapVoltsPerInch;
    return gap;
}

SparkGap rotaryGap(const Design& d)
{
    const auto presentations = static_cast<double>(d.presentations);
    SparkGap gap{};
    // Presentations per second; the divisor is the mains frequency value, as published.
    const double presentationRateHz = d.motorRpm / d.lineFrequencyHz * presentations;
    // The electrode's thickness shortens the time between firings by (pitch - t/2) / pitch.
    const double pitchInches = electrodePitchInches(d.rotorRadiusInches, d.presentations);
    const double dwell = (pitchInches - d.electrodeThicknessInches / 2) / pitchInches;
    // At twice the pitch the divisor is zero, beyond it the rate would turn negative.
    gap.breakRateHz = dwell > 0 ? presentationRateHz / dwell : kNaN;
    // sin(2 pi / Np): each of the two side gaps per side takes half the sparking distance.
    gap.gapWidthInches = std::sin(kHalfPi / (presentations / kPresentationsPerQuadrant)) * d.outputVolts /
                         kGapVoltsPerInch / kSideGapsPerGap;
    gap.triggerVolts = gap.gapWidthInches * kSideGapsPerGap * kGapVoltsPerInch;
    return gap;
}

void updateSparkGap(Calculator& calc)
{
    Design& d = calc.design;
    const SparkGap gap = calc.form.checked(OptionId::RadioButton1) ? seriesGap(d) : rotaryGap(d);
    keepFinite(d.breakRateHz, gap.breakRateHz);
    keepFinite(d.gapWidthInches, gap.gapWidthInches);
    keepFinite(d.triggerVolts, gap.triggerVolts);

    // Both kinds' fields are written, the hidden ones too; a rate that cannot be computed shows ----.
    showResult(calc, FieldId::SGEdit1, gap.breakRateHz, "%4.1f");
    showVariable(calc, FieldId::SGEdit2);
    showResult(calc, FieldId::SGEdit6, gap.gapWidthInches, "%4.4f");
    showVariable(calc, FieldId::SGEdit3);
    showVariable(calc, FieldId::SGEdit4);
    showVariable(calc, FieldId::SGEdit5);
    showResult(calc, FieldId::SGEdit8, gap.triggerVolts, "%4.0f");
    // The width's caption names its unit, which the user may switch at any time.
    calc.form.setCaption(ControlId::Label90,
                         gapWidthCaption(!calc.form.checked(OptionId::RadioButton1), calc.lengthUnit));
}

void RadioButton1Click(Calculator& calc) { showGapKind(calc.form, false, calc.lengthUnit); }
void RadioButton2Click(Calculator& calc) { showGapKind(calc.form, true, calc.lengthUnit); }

} // namespace qv
