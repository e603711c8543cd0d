#include "tank/tank_circuit.h"

#include "calc/primary_steps.h"
#include "core/calculator.h"
#include "core/units.h"
#include "field/primary_coupling.h"
#include "tank/tank_formulas.h"

#include <cmath>
#include <cstdio>

namespace qv::tank {
namespace {

constexpr double kFaradsPerUf = 1e-6;
constexpr double kHenriesPerUh = 1e-6;
constexpr double kHenriesPerMh = 1e-3;
constexpr double kHzPerKhz = 1e3;
constexpr double kUsPerSecond = 1e6;
constexpr double kOhmsPerMegohm = 1e6;
constexpr double kVoltsPerKv = 1e3;
// The rotary gap fires across two side gaps in series on each side of the rotor.
constexpr double kRotarySeriesGaps = 2;

constexpr const char* kNotComputable = "cannot be computed for this design";
constexpr const char* kOwnCapacitor = "the tank is the capacitor you have, not a bank";

Figure value(double v)
{
    if (!std::isfinite(v)) return {std::nullopt, kNotComputable};
    return {v, {}};
}

Figure none(const std::string& reason) { return {std::nullopt, reason}; }

// The figure's value in SI, scaled, or why there is none.
std::optional<double> scaled(const Figure& figure, double unitsPerSi)
{
    if (!figure.value || !std::isfinite(*figure.value)) return std::nullopt;
    return *figure.value * unitsPerSi;
}

// What the sections after the capacitor read: the supply, the tank, the leads and the field
// solution's loaded secondary.
struct Situation {
    double peakVolts = 0;
    double tankF = 0;
    double leadH = 0;
    double bankStrings = 0;
    std::optional<double> loadedHz;
    std::optional<double> secondaryH;
};

// The bank and the tank capacitor; returns the bank's strings and the tank in farads.
Situation capacitorFigures(const Design& d, double peakVolts, TankFigures& out)
{
    const TankInputs& t = d.tank;
    const double resonantUf = transformerMatch(d).matchUf;
    const double targetUf = resonantUf * t.tankToResonantRatio;
    const double series = bankSeriesCount(t.ratingMargin * peakVolts, t.partVoltsDc);
    const double strings = bankStringCount(targetUf, series, t.partUf);
    const double builtUf = bankUf(strings, series, t.partUf);
    out.resonantUf = value(resonantUf);
    out.targetUf = value(targetUf);
    out.bankSeries = value(series);
    out.bankStrings = value(strings);
    out.bankCount = value(series * strings);
    out.bankUf = value(builtUf);
    out.bankVoltsDc = value(series * t.partVoltsDc);
    out.bankMargin = value(series * t.partVoltsDc / peakVolts);
    out.bleederSeconds = value(bleederSeconds(t.bleederMegohms * kOhmsPerMegohm, t.partUf * kFaradsPerUf, peakVolts));
    out.bleederWatts = value(bleederWatts(peakVolts, series, t.bleederMegohms * kOhmsPerMegohm));
    const double tankUf = t.capacitorUf > 0 ? t.capacitorUf : builtUf;
    out.tankUf = value(tankUf);
    Situation s;
    s.peakVolts = peakVolts;
    s.tankF = tankUf * kFaradsPerUf;
    s.bankStrings = strings;
    return s;
}

// The frequency the Primary sheet tunes to: the secondary's own, with its top load when that is on.
double sheetFrequencyHz(const Calculator& calc)
{
    const bool withTopLoad = calc.form.checked(OptionId::TopLoadCheck);
    return (withTopLoad ? calc.secondary.loadedFrequencyKhz : calc.secondary.frequencyKhz) * kHzPerKhz;
}

Tap classicTap(const Calculator& calc, double leadH, double tankF)
{
    const double frequencyHz = sheetFrequencyHz(calc);
    if (!(std::isfinite(frequencyHz) && frequencyHz > 0)) return {std::nullopt, "the Primary sheet has no frequency"};
    if (!std::isfinite(primaryCoil(calc.design).inductanceMh))
        return {std::nullopt, "the Primary sheet has no inductance for this primary"};
    Design tapped = calc.design;
    const auto sheetPrimaryH = [&tapped](double turns) {
        tapped.primaryTurns = turns;
        return primaryCoil(tapped).inductanceMh * kHenriesPerMh;
    };
    return formulaTap(sheetPrimaryH, calc.design.primaryTurns, leadH, tuningInductanceH(frequencyHz, tankF));
}

// The tap on the field solution's rings at a frequency as it stands, or why there is none.
Tap asItStandsTap(const FieldAsItStands& field, const Figure& frequencyKhz, double leadH, double tankF)
{
    const Figure& primary = field.analysis.primaryInductanceUh;
    if (!primary.value) return {std::nullopt, primary.reason};
    const std::optional<double> hz = scaled(frequencyKhz, kHzPerKhz);
    if (!hz) return {std::nullopt, frequencyKhz.reason};
    return curveTap(field.turns, leadH, tuningInductanceH(*hz, tankF));
}

Figure turnsFigure(const Tap& tap) { return tap.turns ? value(*tap.turns) : none(tap.reason); }

// Every figure that needs the current through the tapped primary.
void tapStresses(const Situation& s, const Design& d, const FieldAsItStands& field, double tapTurns, TankFigures& out)
{
    const double loopH = curvePrimaryH(field.turns, tapTurns) + s.leadH;
    const double peakAmps = peakCurrentA(s.peakVolts, s.tankF, loopH);
    out.peakAmps = value(peakAmps);
    out.surgeOhms = value(surgeImpedanceOhm(loopH, s.tankF));
    // The coupling, and the notch and RMS current that follow from it, only where the field
    // solution couples the primary to the secondary as placed.
    const Figure& placedCoupling = field.analysis.coupling;
    if (!placedCoupling.value || !s.secondaryH || !s.loadedHz) {
        out.tapCoupling = out.notchUs = out.rmsAmps = none(placedCoupling.value ? kNotComputable : placedCoupling.reason);
        return;
    }
    const double coupling = curveMutualH(field.turns, tapTurns) / std::sqrt(loopH * *s.secondaryH);
    const double notchS = notchSeconds(coupling, *s.loadedHz);
    out.tapCoupling = value(coupling);
    out.notchUs = value(notchS * kUsPerSecond);
    out.rmsAmps = value(rmsCurrentA(peakAmps, d.breakRateHz, d.tank.quenchNotch, notchS));
}

void partStresses(const Design& d, double strings, TankFigures& out)
{
    if (d.tank.capacitorUf > 0) {
        out.partPeakAmps = out.partRmsAmps = out.partVoltsPerUs = none(kOwnCapacitor);
        return;
    }
    const auto perString = [strings](const Figure& whole) { return whole.value ? value(*whole.value / strings) : whole; };
    out.partPeakAmps = perString(out.peakAmps);
    out.partRmsAmps = perString(out.rmsAmps);
    out.partVoltsPerUs = out.partPeakAmps.value
                             ? value(voltsPerUs(*out.partPeakAmps.value, d.tank.partUf * kFaradsPerUf))
                             : out.partPeakAmps;
}

// "within ratings", or each rating exceeded with the stress and how many times the rating it is.
std::string ratingsVerdict(const TankInputs& t, const TankFigures& out)
{
    if (t.capacitorUf > 0) return std::string("not checked: ") + kOwnCapacitor;
    struct Check {
        const char* what;
        const Figure& stress;
        double rating;
        const char* unit;
    };
    const Check checks[] = {{"peak current", out.partPeakAmps, t.partPeakAmps, "A"},
                            {"RMS current", out.partRmsAmps, t.partRmsAmps, "A"},
                            {"dv/dt", out.partVoltsPerUs, t.partVoltsPerUs, "V/us"}};
    std::string exceeded;
    bool anyGiven = false;
    for (const Check& c : checks) {
        if (c.rating <= 0) continue;
        anyGiven = true;
        if (!c.stress.value) return "not checked: " + c.stress.reason;
        if (*c.stress.value <= c.rating) continue;
        char text[160];
        std::snprintf(text, sizeof text, "%s%s %.4g %s is %.2f times its %.4g %s rating", exceeded.empty() ? "" : "; ",
                      c.what, *c.stress.value, c.unit, *c.stress.value / c.rating, c.rating, c.unit);
        exceeded += text;
    }
    if (!anyGiven) return "no ratings given, none checked";
    return exceeded.empty() ? "within ratings" : exceeded;
}

void gapFigures(const Calculator& calc, double peakVolts, TankFigures& out)
{
    const bool series = calc.form.checked(OptionId::RadioButton1);
    const double gaps = series ? calc.design.gapCount : kRotarySeriesGaps;
    out.fireVolts = value(peakVolts);
    if (gaps >= 1) {
        const double eachInches = breakdownGapInches(peakVolts / gaps);
        out.gapEachInches = value(eachInches);
        out.gapTotalInches = value(gaps * eachInches);
    } else {
        out.gapEachInches = out.gapTotalInches = none("the Spark Gap sheet has no gaps in series");
    }
    out.safetyGapInches = value(breakdownGapInches(calc.design.tank.safetyGapFactor * peakVolts));
}

void tapFigures(const Calculator& calc, const Situation& s, const FieldAsItStands& field, TankFigures& out)
{
    out.tapTurnsClassic = turnsFigure(classicTap(calc, s.leadH, s.tankF));
    const Tap asIs = asItStandsTap(field, field.analysis.loadedFrequencyKhz, s.leadH, s.tankF);
    out.tapTurnsAsIs = turnsFigure(asIs);
    out.tapTurnsStreamer = turnsFigure(asItStandsTap(field, field.analysis.streamerFrequencyKhz, s.leadH, s.tankF));
    if (!asIs.turns) {
        const Figure noTap = none("no tap as it stands: " + asIs.reason);
        for (Figure* f : {&out.tapWireFeet, &out.peakAmps, &out.surgeOhms, &out.tapCoupling, &out.notchUs, &out.rmsAmps})
            *f = noTap;
        return;
    }
    const Design& d = calc.design;
    const double firstDiameterInches = d.primaryInsideDiameterInches + d.primaryWireDiameterInches;
    out.tapWireFeet = value(wireLengthInches(*asIs.turns, firstDiameterInches, primaryCoil(d).turnStepInches) /
                            kInchesPerFoot);
    tapStresses(s, d, field, *asIs.turns, out);
}

} // namespace

const std::array<TankFigureRow, 32> kTankFigureRows{{
    {"resonant_uf", "Resonant with the transformer", "uF", TankSection::Capacitor, &TankFigures::resonantUf, nullptr, "%6.4f"},
    {"target_uf", "Tank size wanted", "uF", TankSection::Capacitor, &TankFigures::targetUf, nullptr, "%6.4f"},
    {"mmc_series", "Capacitors in series", "", TankSection::Capacitor, &TankFigures::bankSeries, nullptr, "%3.0f"},
    {"mmc_parallel", "Strings side by side", "", TankSection::Capacitor, &TankFigures::bankStrings, nullptr, "%3.0f"},
    {"mmc_count", "Capacitors in the bank", "", TankSection::Capacitor, &TankFigures::bankCount, nullptr, "%3.0f"},
    {"mmc_uf", "The bank's capacitance", "uF", TankSection::Capacitor, &TankFigures::bankUf, nullptr, "%6.4f"},
    {"mmc_vdc", "The bank's DC rating", "V", TankSection::Capacitor, &TankFigures::bankVoltsDc, nullptr, "%5.0f"},
    {"mmc_margin", "DC rating over supply peak", "", TankSection::Capacitor, &TankFigures::bankMargin, nullptr, "%4.2f"},
    {"tank_uf", "Tank capacitor used below", "uF", TankSection::Capacitor, &TankFigures::tankUf, nullptr, "%6.4f"},
    {"lead_uh", "The leads' inductance", "uH", TankSection::Tap, &TankFigures::leadUh, nullptr, "%5.3f"},
    {"tap_turns_classic", "Tap, Primary sheet's formula", "turns", TankSection::Tap, &TankFigures::tapTurnsClassic, nullptr, "%5.2f"},
    {"tap_turns_asis", "Tap, the coil as it stands", "turns", TankSection::Tap, &TankFigures::tapTurnsAsIs, nullptr, "%5.2f"},
    {"tap_turns_streamer", "Tap, with streamers", "turns", TankSection::Tap, &TankFigures::tapTurnsStreamer, nullptr, "%5.2f"},
    {"tap_wire_ft", "Wire from the inner end to the tap", "ft", TankSection::Tap, &TankFigures::tapWireFeet, nullptr, "%5.1f",
     LengthQuantity::LengthFeet, "%5.2f"},
    {"vfire_v", "Static gap fires at", "V", TankSection::Gaps, &TankFigures::fireVolts, nullptr, "%5.0f"},
    {"energy_j", "Energy per bang", "J", TankSection::Expect, &TankFigures::bangJoules, nullptr, "%5.2f"},
    {"power_w", "Power through the gap", "W", TankSection::Expect, &TankFigures::powerWatts, nullptr, "%5.0f"},
    {"ipk_a", "Peak primary current", "A", TankSection::Stresses, &TankFigures::peakAmps, nullptr, "%5.0f"},
    {"z0_ohm", "Surge impedance", "ohm", TankSection::Expect, &TankFigures::surgeOhms, nullptr, "%5.2f"},
    {"k_tap", "Coupling at the tap", "", TankSection::Expect, &TankFigures::tapCoupling, nullptr, "%5.3f"},
    {"notch_us", "First notch after", "us", TankSection::Expect, &TankFigures::notchUs, nullptr, "%5.2f"},
    {"irms_a", "RMS primary current", "A", TankSection::Stresses, &TankFigures::rmsAmps, nullptr, "%5.1f"},
    {"string_ipk_a", "Peak current, each capacitor", "A", TankSection::Stresses, &TankFigures::partPeakAmps, nullptr, "%5.0f"},
    {"string_irms_a", "RMS current, each capacitor", "A", TankSection::Stresses, &TankFigures::partRmsAmps, nullptr, "%5.1f"},
    {"cap_dvdt_v_us", "dv/dt, each capacitor", "V/us", TankSection::Stresses, &TankFigures::partVoltsPerUs, nullptr, "%5.0f"},
    {"ratings", "Ratings", "", TankSection::Stresses, nullptr, &TankFigures::ratings, "%1.0f"},
    {"bleeder_s", "Bleeders bring the bank to 50 V in", "s", TankSection::Capacitor, &TankFigures::bleederSeconds, nullptr, "%5.1f"},
    {"bleeder_w", "Each bleeder dissipates", "W", TankSection::Capacitor, &TankFigures::bleederWatts, nullptr, "%5.3f"},
    {"gap_each_in", "Each gap, where air fires", "in", TankSection::Gaps, &TankFigures::gapEachInches, nullptr, "%6.4f",
     LengthQuantity::LengthInches, "%6.3f"},
    {"gap_total_in", "All gaps together", "in", TankSection::Gaps, &TankFigures::gapTotalInches, nullptr, "%6.4f",
     LengthQuantity::LengthInches, "%6.3f"},
    {"safety_gap_in", "Safety gap, where air fires", "in", TankSection::Gaps, &TankFigures::safetyGapInches, nullptr, "%6.4f",
     LengthQuantity::LengthInches, "%6.3f"},
    {"vtop_kv", "Top load at most", "kV", TankSection::Expect, &TankFigures::topKv, nullptr, "%5.0f"},
}};

std::string_view figureUnit(const TankFigureRow& row, LengthUnit unit)
{
    return row.quantity == LengthQuantity::None ? row.unit : unitCaption(row.quantity, unit);
}

std::string shownFigure(const TankFigures& figures, const TankFigureRow& row, LengthUnit unit)
{
    if (row.text) return figures.*row.text;
    const Figure& figure = figures.*row.figure;
    if (!figure.value) return figure.reason;
    const bool metric = unit != LengthUnit::Inches && row.quantity != LengthQuantity::None;
    std::string text = formatField(shownValue(*figure.value, row.quantity, unit), metric ? row.metricFormat : row.format);
    text.erase(0, text.find_first_not_of(' '));
    const std::string_view shownUnit = figureUnit(row, unit);
    return shownUnit.empty() ? text : text + " " + std::string(shownUnit);
}

FieldAsItStands solveField(const field::CoilModel& model) { return {field::analyse(model), turnCurve(model)}; }

TankFigures tankFigures(const Calculator& calc, const FieldAsItStands& field)
{
    const Design& d = calc.design;
    TankFigures out;
    Situation s = capacitorFigures(d, supplyPeakVolts(d.outputVolts), out);
    const double leadUh = leadInductanceUh(d.tank.leadLengthInches, d.tank.leadDiameterInches);
    out.leadUh = value(leadUh);
    s.leadH = leadUh * kHenriesPerUh;
    s.loadedHz = scaled(field.analysis.loadedFrequencyKhz, kHzPerKhz);
    s.secondaryH = scaled(field.analysis.secondaryInductanceMh, kHenriesPerMh);
    const double bangJoules = bangEnergyJ(s.tankF, s.peakVolts);
    out.bangJoules = value(bangJoules);
    out.powerWatts = value(bangJoules * d.breakRateHz);
    tapFigures(calc, s, field, out);
    partStresses(d, s.bankStrings, out);
    out.ratings = ratingsVerdict(d.tank, out);
    gapFigures(calc, s.peakVolts, out);
    out.topKv = s.loadedHz && s.secondaryH
                    ? value(topVolts(s.peakVolts, s.tankF, *s.loadedHz, *s.secondaryH) / kVoltsPerKv)
                    : none(field.analysis.loadedFrequencyKhz.reason);
    if (!field.analysis.ok()) out.status = field.analysis.status;
    return out;
}

} // namespace qv::tank
