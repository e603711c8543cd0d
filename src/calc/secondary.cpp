// Secondary coil: Wheeler's solenoid inductance, Medhurst's self-capacitance, the resonant
// frequencies without and with the top load, and the quarter-wave wire lengths.

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/units.h"

#include <cmath>

namespace qv {
namespace {

constexpr double kWindingFactor = 0.97; // the "@ 97 %" beside the turns per inch
constexpr double kPi = kPiTo7Places;
constexpr double kTwoPi = kTwoPiFrom7Places;
constexpr double kLightSpeedKmPerS = 300000;
constexpr double kMedhurstFloor = 0.0001;
constexpr const char* kZeroMessage = "Invalid Data Entered\\nInductance/Diameter/Cap = 0";

// Wheeler's single-layer solenoid formula, lengths in inches, microhenries turned into mH.
double solenoidInductanceMh(double radiusInches, double turns, double lengthInches)
{
    return radiusInches * radiusInches * turns * turns / (9 * radiusInches + 10 * lengthInches) / 1000;
}

// Medhurst's self-capacitance per centimetre of diameter, a fit in the aspect h = H/D, evaluated
// left to right. The fit turns negative for very short or very long coils; it is then floored.
double medhurstK(double h)
{
    const double h2 = h * h;
    const double h3 = h2 * h;
    const double h4 = h3 * h;
    const double k = 0.1045 * h - 0.0001 * h2 + 9.5e-6 * h3 - 1e-7 * h4 + 0.257 + 0.1 / h - 0.0031 / h2;
    return k < 0 ? kMedhurstFloor : k;
}

// Resonance of Ls (mH) with C (pF) in kHz: sqrt(L C) in uH x pF scaled so 1 / (2 pi t) is kHz.
double resonanceKhz(double inductanceMh, double capacitancePf)
{
    const double t = std::sqrt(inductanceMh * capacitancePf * 1000) / 1000000;
    return 1 / (kTwoPi * t);
}

// A quarter of the free-space wavelength, in feet.
double quarterWaveFeet(double frequencyKhz) { return kLightSpeedKmPerS / frequencyKhz * 0.25 / kMetresPerFoot; }

} // namespace

void Update_Sec(Calculator& calc)
{
    const Design& d = calc.design;
    SecondaryResults& r = calc.secondary;
    Form& form = calc.form;

    r.radiusInches = d.secondaryDiameterInches / 2;
    r.turns = kWindingFactor * d.secondaryLengthInches * d.turnsPerInch;
    showResult(calc, FieldId::SEEdit17, r.turns, "%7f");
    r.inductanceMh = solenoidInductanceMh(r.radiusInches, r.turns, d.secondaryLengthInches);
    showResult(calc, FieldId::SEEdit5, r.inductanceMh, "%7f");
    showResult(calc, FieldId::SEEdit6, r.radiusInches, "%7f");
    r.circumferenceInches = kPi * d.secondaryDiameterInches;
    showResult(calc, FieldId::SEEdit7, r.circumferenceInches, "%7f");
    showResult(calc, FieldId::SEEdit8, r.turns * r.circumferenceInches / kInchesPerFoot, "%7f");
    const double aspect = d.secondaryLengthInches / d.secondaryDiameterInches;
    showResult(calc, FieldId::SEEdit9, aspect, "%7f");
    r.medhurstK = medhurstK(aspect);
    showResult(calc, FieldId::SEEdit10, r.medhurstK, "%7f");
    r.selfCapacitancePf = r.medhurstK * d.secondaryDiameterInches * kCentimetresPerInch;
    showResult(calc, FieldId::SEEdit11, r.selfCapacitancePf, "%7f");
    r.totalCapacitancePf = r.selfCapacitancePf + d.topLoadPf;

    const bool zeroCheckFails =
        r.inductanceMh == 0 || r.selfCapacitancePf == 0 || r.totalCapacitancePf == 0 || d.secondaryDiameterInches == 0;
    const bool zeroCheckStarts = zeroCheckFails && !r.zeroCheckFailing;
    r.zeroCheckFailing = zeroCheckFails;
    if (zeroCheckFails) {
        // The frequencies keep the values of the last pass that could compute them. A box at
        // every pass (20 a second) would bury the field the user needs to reach to mend it.
        if (zeroCheckStarts) warn(calc, kZeroMessage);
    } else {
        r.frequencyKhz = resonanceKhz(r.inductanceMh, r.selfCapacitancePf);
        r.quarterWaveFeet = quarterWaveFeet(r.frequencyKhz);
        r.loadedFrequencyKhz = resonanceKhz(r.inductanceMh, r.totalCapacitancePf);
        r.loadedQuarterWaveFeet = quarterWaveFeet(r.loadedFrequencyKhz);
        showResult(calc, FieldId::SEEdit12, r.frequencyKhz, "%7f");
        showResult(calc, FieldId::SEEdit13, r.loadedFrequencyKhz, "%7f");
        showResult(calc, FieldId::SEEdit15, r.quarterWaveFeet, "%7f");
        showResult(calc, FieldId::SEEdit16, r.loadedQuarterWaveFeet, "%7f");
    }

    for (const FieldId id : {FieldId::SEEdit1, FieldId::SEEdit2, FieldId::SEEdit14}) form.setReadOnly(id, true);
    acceptInput(calc, FieldId::SEEdit14);
    showVariable(calc, FieldId::SEEdit14);
    acceptInput(calc, FieldId::SEEdit1);
    acceptInput(calc, FieldId::SEEdit2);
}

} // namespace qv
