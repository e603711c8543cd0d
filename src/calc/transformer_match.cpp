// Transformer and capacitor match: the tank capacitance whose reactance at the mains frequency
// equals the supply transformer's impedance, and the power-factor correction capacitance.

#include "calc/primary_steps.h"
#include "core/calculator.h"
#include "core/units.h"

namespace qv {
namespace {

constexpr double kTwoPiMatch = kTwoPiTo3Places; // both formulas use this two pi
constexpr double kMicrofaradsPerFarad = 1000000;
constexpr double kPercent = 100;
constexpr double kVoltAmperesPerKva = 1000;
constexpr double kPfcScale = 1000000000; // kVA over (2 pi f Vin^2) in uF

} // namespace

TransformerMatch transformerMatch(const Design& d)
{
    // Xc = 1 / (2 pi f C) set equal to the impedance V / I.
    const double impedanceOhms = d.outputVolts / d.ratedAmps;
    const double matchUf = kMicrofaradsPerFarad / (kTwoPiMatch * d.lineFrequencyHz * impedanceOhms);
    // The corrected share of the volt-amperes, in kVA, over 2 pi f Vin^2; evaluated left to right.
    const double correctedKva = d.pfcRatingPercent / kPercent * d.outputVolts * d.ratedAmps / kVoltAmperesPerKva;
    const double pfcUf = (correctedKva * kPfcScale) / (kTwoPiMatch * d.lineFrequencyHz * d.inputVolts * d.inputVolts);
    return {matchUf, pfcUf};
}

void showTransformerMatch(Calculator& calc, const TransformerMatch& match)
{
    showResult(calc, FieldId::TCEdit4, match.matchUf, "%8.4f");
    showResult(calc, FieldId::TCEdit5, match.pfcUf, "%8.4f");
}

void acceptTransformerInputs(Calculator& calc)
{
    acceptSheetInputs(calc, Sheet::TransCapSheet);
}

} // namespace qv
