// Top-load capacitance of a toroid (two published fits side by side) or of a sphere.

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/units.h"

#include <cmath>
#include <limits>

namespace qv {
namespace {

constexpr double kPi = kPiTo7Places;
constexpr double kSpherePfPerInch = 2.83915; // 4 pi e0 r, with r in inches
constexpr const char* kBlankTubeDiameter = "     ";
constexpr const char* kBlankTubeCaption = "      ";

// Bert Pool's toroid fit, lengths in inches, result in pF:
// 2.8 (1.2781 - Dt/S) sqrt(pi Dtc Dt / 4), evaluated in the order the fit was published.
double bertPoolPf(double tubeInches, double overallInches)
{
    return std::sqrt((overallInches - tubeInches) * (tubeInches / 2) * kPi / 2) *
           ((0.2781 - tubeInches / overallInches + 1) * 2.8);
}

// Rzeszotarski's toroid fit (Australian Journal of Physics), lengths converted to centimetres.
// The form is chosen by Dt/Dtc + Dt - the tube diameter is added as published - and the
// logarithmic form takes the log of 20.32 S - 1, since its subtracted quotient is exactly 1.
double rzeszotarskiPf(double tubeInches, double toroidInches)
{
    constexpr double kLinearFormThreshold = 0.25;
    const double overallInches = toroidInches + tubeInches;
    const double tubeCm = kCentimetresPerInch * tubeInches;
    if (tubeInches / toroidInches + tubeInches >= kLinearFormThreshold)
        return overallInches * 0.37 * kCentimetresPerInch + kCentimetresPerInch * tubeInches * 0.23;
    const double logArgument = overallInches * kCentimetresPerInch * 8 - tubeCm / tubeCm;
    // At an overall diameter of 0.0984 in or less the fit has no value (a zero or negative log).
    if (!(logArgument > 1)) return std::numeric_limits<double>::quiet_NaN();
    return (overallInches * kCentimetresPerInch * 1.8 - tubeCm) / std::log(logArgument);
}

// The sheet shows the Dtc row and both equations only for a toroid.
void showShape(Form& form, bool toroid)
{
    form.setCaption(ControlId::TOCLabel1, toroid ? "Dt" : "Radius");
    form.setCaption(ControlId::TOCLabel2, toroid ? "Dtc" : kBlankTubeCaption);
    for (const ControlId id : {ControlId::TOCUnitLabel2, ControlId::BertPoolLabel, ControlId::PhysicsLabel,
                               ControlId::PhysicsNoteLabel, ControlId::TOCCapacitanceLabel4, ControlId::TOCUnitLabel4})
        form.setVisible(id, toroid);
    form.setVisible(OptionId::BertPoolButton, toroid);
    form.setVisible(OptionId::PhysicsButton, toroid);
    form.setVisible(FieldId::TOCEdit4, toroid);
    form.setVisible(FieldId::TOCEdit2, toroid);
    form.setEnabled(FieldId::TOCEdit2, toroid);
    form.setVisible(ControlId::TOCSpinButton2, toroid);
    form.setEnabled(ControlId::TOCSpinButton2, toroid);
}

// The capacitances of the chosen shape. For a sphere the toroid's own figures are still those of
// the sizes the design holds (the hidden Rzeszotarski field shows them), not of whatever toroid
// was last on the sheet: a design reopened from its file then shows exactly what it showed.
void computeTopLoad(const Design& d, bool toroid, TopLoadResults& r)
{
    r.overallDiameterInches = d.toroidDiameterInches + d.tubeDiameterInches;
    r.rzeszotarskiPf = rzeszotarskiPf(d.tubeDiameterInches, d.toroidDiameterInches);
    r.bertPoolPf = toroid ? bertPoolPf(d.tubeDiameterInches, r.overallDiameterInches)
                          : kSpherePfPerInch * d.tubeDiameterInches;
}

// The sizes and both capacitances; a sphere has no Dtc.
void showTopLoad(Calculator& calc, bool toroid)
{
    if (toroid) showVariable(calc, FieldId::TOCEdit2);
    else calc.form.write(FieldId::TOCEdit2, kBlankTubeDiameter);
    showVariable(calc, FieldId::TOCEdit1);
    showResult(calc, FieldId::TOCEdit3, calc.topLoad.bertPoolPf, "%4f");
    showResult(calc, FieldId::TOCEdit4, calc.topLoad.rzeszotarskiPf, "%4f");
}

} // namespace

void Update_T_C(Calculator& calc)
{
    acceptSheetInputs(calc, Sheet::TopLoadCSheet);

    const TopLoadResults& r = calc.topLoad;
    const bool toroid = calc.form.checked(OptionId::ToroidSelect);
    showShape(calc.form, toroid);
    computeTopLoad(calc.design, toroid, calc.topLoad);
    showTopLoad(calc, toroid);

    if (calc.form.checked(OptionId::NoCap)) {
        const bool usesRzeszotarski = toroid && calc.form.checked(OptionId::PhysicsButton);
        const double topLoadPf = usesRzeszotarski ? r.rzeszotarskiPf : r.bertPoolPf;
        // A fit without a value here (a toroid too small for the log form) keeps the last one.
        if (std::isfinite(topLoadPf)) calc.design.topLoadPf = topLoadPf;
    }
}

} // namespace qv
