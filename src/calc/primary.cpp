// Primary coil: winding form and angle, geometry, Wheeler's inductance, the length of wire and the
// tank capacitance that tunes the primary to the secondary. Update_Pri also carries the
// transformer match and the spark gap, in the order of the stage below.

#include "calc/primary_steps.h"
#include "calc/stages.h"
#include "core/calculator.h"
#include "core/units.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace qv {
namespace {

// Each formula keeps the approximation of pi it was built with; they are not unified.
constexpr double kPiCircumference = kPiTo4Places; // projection angle, wire length, required C
constexpr double kPiFormulaAngle = kPiTo7Places; // Wheeler's angle
constexpr double kHalfTurnDegrees = 180;
constexpr double kFullTurnDegrees = 360;
constexpr double kFlatAngleDegrees = 0;
constexpr double kHelixAngleDegrees = 90;
constexpr double kMicrohenriesPerMillihenry = 1000;
constexpr double kPicofaradsPerMicrofarad = 1000000;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

double square(double x) { return x * x; }

double quotient(double numerator, double denominator)
{
    return denominator == 0 ? kNaN : numerator / denominator;
}

// Flat and helix force the angle; the cone keeps whatever angle the design holds, so it starts
// from the last form's angle or the last one typed. Three independent tests, as on the sheet.
void setWindingForm(Calculator& calc)
{
    Form& form = calc.form;
    if (form.checked(OptionId::FlatPrimary)) {
        form.setEnabled(FieldId::PREdit12, false);
        calc.design.primaryAngleDegrees = kFlatAngleDegrees;
        showVariable(calc, FieldId::PREdit12);
    }
    if (form.checked(OptionId::VerticalPrimary)) {
        form.setEnabled(FieldId::PREdit12, false);
        calc.design.primaryAngleDegrees = kHelixAngleDegrees;
        showVariable(calc, FieldId::PREdit12);
    }
    if (form.checked(OptionId::ConicalPrimary)) form.setEnabled(FieldId::PREdit12, true);
}

} // namespace

PrimaryCoil primaryCoil(const Design& d)
{
    const double n = d.primaryTurns;
    const double din = d.primaryInsideDiameterInches;
    const double pitch = d.primaryWireDiameterInches + d.primarySpacingInches;
    PrimaryCoil coil{};

    // Geometry: S from the inner edge of the first turn to the outer edge of the last, projected
    // onto the horizontal plane.
    coil.windingWidthInches = pitch * (n - 1) + d.primaryWireDiameterInches;
    const double projection = std::cos(kPiCircumference * d.primaryAngleDegrees / kHalfTurnDegrees);
    const double projectedWidth = projection * coil.windingWidthInches;
    coil.averageRadiusInches = 0.5 * din + 0.5 * projectedWidth;
    coil.totalDiameterInches = 2 * projectedWidth + din;
    coil.turnStepInches = projection * 2 * pitch;

    // Wheeler's single-layer helix and flat spiral formulas (lengths in inches, microhenries),
    // combined by the angle for the saucer: Lp = sqrt((sin a L1)^2 + (cos a L2)^2).
    const double angle = d.primaryAngleDegrees * 2 * kPiFormulaAngle / kFullTurnDegrees;
    const double height = coil.windingWidthInches * std::sin(angle);
    const double width = coil.windingWidthInches * std::cos(angle);
    const double radius = 0.5 * din + 0.5 * width;
    const double r2n2 = radius * radius * n * n;
    const double helixMh = quotient(r2n2, 9 * radius + 10 * height) / kMicrohenriesPerMillihenry;
    const double flatMh = quotient(r2n2, 8 * radius + 11 * width) / kMicrohenriesPerMillihenry;
    coil.inductanceMh = std::sqrt(square(std::sin(angle) * helixMh) + square(std::cos(angle) * flatMh));
    return coil;
}

double roundTurnsHalfEven(double turns)
{
    // nearbyint follows the rounding mode; make sure it is round-to-nearest, ties to even.
    const int mode = std::fegetround();
    if (mode == FE_TONEAREST) return std::nearbyint(turns);
    std::fesetround(FE_TONEAREST);
    const double whole = std::nearbyint(turns);
    std::fesetround(mode);
    return whole;
}

double wireLengthInches(double turns, double firstDiameterInches, double turnStepInches)
{
    const double whole = roundTurnsHalfEven(turns);
    // Up to half a turn: only the fraction of the first turn.
    if (whole == 0) return turns * kPiCircumference * firstDiameterInches;
    // The whole turns' diameters form an arithmetic series, so their circumferences sum in
    // closed form: pi n (D first + D last) / 2. The fraction above n is added on the last whole
    // turn's diameter (taken off again when N was rounded up).
    const double lastDiameter = firstDiameterInches + (whole - 1) * turnStepInches;
    const double wholeTurns = kPiCircumference * whole * (firstDiameterInches + lastDiameter) / 2;
    return wholeTurns + (turns - whole) * kPiCircumference * lastDiameter;
}

double requiredCapacitanceUf(double frequencyKhz, double inductanceMh)
{
    // 1 / (4 pi^2 F^2 Lp), scaled to uF for kHz and mH.
    const double denominator = 4 * kPiCircumference * kPiCircumference * frequencyKhz * frequencyKhz * inductanceMh;
    if (!std::isfinite(denominator)) return kNaN;
    return quotient(1000, denominator);
}

void Update_Pri(Calculator& calc)
{
    const Design& d = calc.design;
    // The winding form first: it may force the angle the geometry reads.
    setWindingForm(calc);
    const TransformerMatch match = transformerMatch(d);
    const PrimaryCoil coil = primaryCoil(d);

    showTransformerMatch(calc, match);
    calc.primary.inductanceMh = coil.inductanceMh;
    showResult(calc, FieldId::PREdit5, coil.inductanceMh, "%7.4f");
    showResult(calc, FieldId::PREdit6, coil.averageRadiusInches, "%4.2f");
    showResult(calc, FieldId::PREdit7, coil.totalDiameterInches, "%4.2f");

    // The first turn's diameter runs through the centre of its wire.
    calc.primary.wireLengthInches = wireLengthInches(
        d.primaryTurns, d.primaryInsideDiameterInches + d.primaryWireDiameterInches, coil.turnStepInches);
    showResult(calc, FieldId::PREdit8, calc.primary.wireLengthInches / kInchesPerFoot, "%4.2f");

    const bool withTopLoad = calc.form.checked(OptionId::TopLoadCheck);
    const double frequencyKhz = withTopLoad ? calc.secondary.loadedFrequencyKhz : calc.secondary.frequencyKhz;
    calc.primary.requiredCapacitanceUf = requiredCapacitanceUf(frequencyKhz, coil.inductanceMh);
    showResult(calc, FieldId::PREdit9, frequencyKhz, "%7.4f");
    showResult(calc, FieldId::PREdit13, calc.primary.requiredCapacitanceUf, "%7.4f");

    showResult(calc, FieldId::OutputEdit1, sparkOutputInches(d), "%7.0f");

    const double lpCp = coil.inductanceMh * kPicofaradsPerMicrofarad * calc.primary.requiredCapacitanceUf;
    showResult(calc, FieldId::PREdit10, lpCp, "%7.4f");
    const SecondaryResults& s = calc.secondary;
    const double lsCs = withTopLoad ? (s.selfCapacitancePf + d.topLoadPf) * s.inductanceMh
                                    : s.inductanceMh * s.selfCapacitancePf;
    showResult(calc, FieldId::PREdit11, lsCs, "%7.4f");

    acceptSheetInputs(calc, Sheet::PrimarySheet);
    acceptTransformerInputs(calc);
    acceptSheetInputs(calc, Sheet::SparkGapSheet); // the break rate

    updateSparkGap(calc);
}

} // namespace qv
