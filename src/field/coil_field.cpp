#include "field/coil_field.h"

#include "field/constants.h"
#include "field/current_sheet.h"
#include "field/model_checks.h"
#include "field/primary_coupling.h"
#include "field/resonance.h"
#include "field/secondary_field.h"

#include <cmath>
#include <exception>
#include <numbers>

namespace qv::field {
namespace {

constexpr double kKiloPerUnit = 1e-3;
constexpr double kMilliPerUnit = 1e3;
constexpr double kMicroPerUnit = 1e6;
constexpr double kPicoPerUnit = 1e12;
// A builders' rule of thumb: an arc in the air adds about 1 pF per foot of its length at the top.
constexpr double kStreamerFaradsPerMetre = 1e-12 / kMetresPerFoot;
// The Secondary Coil sheet's turns: 97 % of the length is wound.
constexpr double kWoundFraction = 0.97;
constexpr int kModes = 3; // the quarter wave, then the 3/4- and 5/4-wave modes
constexpr const char* kNotConverged = "The field solution did not converge for this geometry";

Figure value(double v)
{
    if (!std::isfinite(v)) return {std::nullopt, kNotConverged};
    return {v, {}};
}

Figure none(const std::string& reason) { return {std::nullopt, reason}; }

double angularSquared(double frequencyHz) { return std::pow(2 * std::numbers::pi * frequencyHz, 2); }

// The tank capacitance (uF) that tunes the primary to this frequency: 1 / ((2 pi f)^2 Lp).
Figure tankCapacitanceUf(double frequencyHz, double primaryH)
{
    return value(kMicroPerUnit / (angularSquared(frequencyHz) * primaryH));
}

struct Secondary {
    double inductanceH = 0;
    WindingModes bare;
    std::optional<WindingModes> loaded;
    std::optional<WindingModes> streamer;
};

// An expected streamer adds its capacitance at the top node of the loaded coil.
void analyseStreamer(const CoilModel& model, const std::string& problem, Eigen::MatrixXd loadedC,
                     const Eigen::MatrixXd& inductance, Secondary& secondary, Analysis& out)
{
    if (!problem.empty()) {
        out.streamerFrequencyKhz = none(problem);
        return;
    }
    const Eigen::Index top = loadedC.rows() - 1;
    loadedC(top, top) += kStreamerFaradsPerMetre * model.streamerLengthM;
    secondary.streamer = windingModes(loadedC, inductance, 1);
    out.streamerFrequencyKhz = secondary.streamer ? value(secondary.streamer->frequenciesHz[0] * kKiloPerUnit)
                                                  : none(kNotConverged);
}

// Every figure of the secondary: the bare modes first, then with the top load and with streamers.
void analyseSecondary(const CoilModel& model, const Discretisation& cuts, const ModelProblems& problems,
                      Secondary& secondary, Analysis& out)
{
    const Eigen::MatrixXd inductance =
        segmentInductanceMatrix(model.secondaryRadiusM, model.secondaryHeightM, model.secondaryTurns, cuts.windingSegments);
    const bool withTopLoad = problems.topLoad.empty() && model.topLoad != TopLoadShape::None;
    const SecondaryField field(model, cuts, withTopLoad);
    const std::optional<WindingModes> bare = windingModes(field.bareCapacitanceF(), inductance, kModes);
    if (!bare) {
        out.status = kNotConverged;
        return;
    }
    secondary.bare = *bare;
    const double ls = secondary.inductanceH;
    out.bareFrequencyKhz = value(bare->frequenciesHz[0] * kKiloPerUnit);
    out.bareThreeQuarterKhz = value(bare->frequenciesHz[1] * kKiloPerUnit);
    out.bareFiveQuarterKhz = value(bare->frequenciesHz[2] * kKiloPerUnit);
    out.selfCapacitancePf = value(kPicoPerUnit / (angularSquared(bare->frequenciesHz[0]) * ls));

    if (!problems.topLoad.empty()) {
        for (Figure* f : {&out.loadedFrequencyKhz, &out.topLoadInPlacePf, &out.streamerFrequencyKhz})
            *f = none(problems.topLoad);
        return;
    }
    const Eigen::MatrixXd loadedC = withTopLoad ? field.loadedCapacitanceF() : field.bareCapacitanceF();
    secondary.loaded = withTopLoad ? windingModes(loadedC, inductance, 1) : bare;
    if (!secondary.loaded) {
        out.loadedFrequencyKhz = out.topLoadInPlacePf = none(kNotConverged);
        return;
    }
    const double f1 = secondary.loaded->frequenciesHz[0];
    out.loadedFrequencyKhz = value(f1 * kKiloPerUnit);
    // The top load's capacitance as it stands: what it adds to the lumped equivalent at the top.
    out.topLoadInPlacePf = value((1 / angularSquared(f1) - 1 / angularSquared(bare->frequenciesHz[0])) / ls * kPicoPerUnit);

    analyseStreamer(model, problems.streamer, loadedC, inductance, secondary, out);
}

void analysePrimary(const CoilModel& model, const ModelProblems& problems, const Secondary& secondary, Analysis& out)
{
    const std::string primaryReason = !problems.primary.empty() ? problems.primary : problems.coupling;
    for (Figure* f : {&out.mutualInductanceUh, &out.coupling}) *f = none(primaryReason);
    if (!problems.primary.empty()) {
        for (Figure* f : {&out.primaryInductanceUh, &out.tankCapacitanceUf, &out.streamerTankCapacitanceUf,
                          &out.primaryHeightForTargetKInches})
            *f = none(problems.primary);
        return;
    }
    const double lp = primaryInductanceH(model);
    out.primaryInductanceUh = value(lp * kMicroPerUnit);
    out.tankCapacitanceUf = secondary.loaded ? tankCapacitanceUf(secondary.loaded->frequenciesHz[0], lp)
                                             : none(out.loadedFrequencyKhz.reason);
    out.streamerTankCapacitanceUf = secondary.streamer ? tankCapacitanceUf(secondary.streamer->frequenciesHz[0], lp)
                                                       : none(out.streamerFrequencyKhz.reason);
    // The search tries every height, so it does not depend on the builder's own primary standing clear.
    const HeightSearch search = primaryHeightForTargetK(model, secondary.inductanceH);
    out.primaryHeightForTargetKInches =
        search.heightM ? value(*search.heightM / kMetresPerInch) : none(search.reason);
    if (!problems.coupling.empty()) return;
    const double mutual = primarySecondaryMutualH(primaryRings(model), model);
    out.mutualInductanceUh = value(mutual * kMicroPerUnit);
    out.coupling = value(mutual / std::sqrt(lp * secondary.inductanceH));
}

std::vector<Figure*> figures(Analysis& a)
{
    return {&a.secondaryInductanceMh, &a.bareFrequencyKhz, &a.bareThreeQuarterKhz, &a.bareFiveQuarterKhz,
            &a.selfCapacitancePf, &a.loadedFrequencyKhz, &a.topLoadInPlacePf, &a.streamerFrequencyKhz,
            &a.primaryInductanceUh, &a.mutualInductanceUh, &a.coupling, &a.primaryHeightForTargetKInches,
            &a.tankCapacitanceUf, &a.streamerTankCapacitanceUf};
}

// Physics keeps every figure above zero but k and M (0 for a primary far away) and the primary height
// (negative for a raised secondary); a value rounding put on the wrong side is no figure.
void keepPhysical(Analysis& a)
{
    constexpr const char* kUnresolved = "The field solution cannot resolve this figure for this geometry";
    for (Figure* f : figures(a)) {
        if (!f->value || f == &a.primaryHeightForTargetKInches) continue;
        const bool mayBeZero = f == &a.coupling || f == &a.mutualInductanceUh;
        if (mayBeZero ? !(*f->value >= 0) : !(*f->value > 0)) *f = none(kUnresolved);
    }
}

// The whole solution has no value: every figure says why.
Analysis failed(const std::string& reason)
{
    Analysis a;
    a.status = reason;
    for (Figure* f : figures(a)) *f = none(reason);
    return a;
}

} // namespace

CoilModel coilModel(const Design& design, TopLoadShape shape)
{
    const Surroundings& s = design.surroundings;
    CoilModel m;
    m.secondaryRadiusM = design.secondaryDiameterInches / 2 * kMetresPerInch;
    m.secondaryBottomM = s.baseHeightInches * kMetresPerInch;
    m.secondaryHeightM = design.secondaryLengthInches * kMetresPerInch;
    m.secondaryTurns = kWoundFraction * design.secondaryLengthInches * design.turnsPerInch;
    m.topLoad = shape;
    m.tubeDiameterM = design.tubeDiameterInches * kMetresPerInch;
    m.ringDiameterM = design.toroidDiameterInches * kMetresPerInch;
    m.sphereRadiusM = design.tubeDiameterInches * kMetresPerInch; // the sheet keeps a sphere's radius there
    m.clearanceM = s.clearanceInches * kMetresPerInch;
    if (s.ceilingHeightInches > 0) m.ceilingM = s.ceilingHeightInches * kMetresPerInch;
    m.primaryInsideDiameterM = design.primaryInsideDiameterInches * kMetresPerInch;
    m.primaryWireDiameterM = design.primaryWireDiameterInches * kMetresPerInch;
    m.primarySpacingM = design.primarySpacingInches * kMetresPerInch;
    m.primaryTurns = design.primaryTurns;
    m.primaryAngleRadians = design.primaryAngleDegrees * std::numbers::pi / 180;
    m.primaryHeightM = s.primaryHeightInches * kMetresPerInch;
    m.streamerLengthM = s.streamerLengthInches * kMetresPerInch;
    m.targetK = s.targetK;
    return m;
}

Analysis analyse(const CoilModel& model, const Discretisation& cuts)
{
    try {
        const ModelProblems problems = modelProblems(model, cuts);
        if (!problems.secondary.empty()) return failed(problems.secondary);
        Analysis out;
        Secondary secondary;
        secondary.inductanceH = sheetInductanceH(model.secondaryRadiusM, model.secondaryHeightM, model.secondaryTurns);
        out.secondaryInductanceMh = value(secondary.inductanceH * kMilliPerUnit);
        analyseSecondary(model, cuts, problems, secondary, out);
        if (!out.ok()) return failed(out.status);
        analysePrimary(model, problems, secondary, out);
        keepPhysical(out);
        for (Figure* f : figures(out))
            if (!f->value && f->reason.empty()) *f = none(kNotConverged);
        return out;
    } catch (const std::exception&) {
        return failed("The field solution ran out of memory for this discretisation");
    }
}

} // namespace qv::field
