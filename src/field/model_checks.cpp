#include "field/model_checks.h"

#include "field/boundary_elements.h"
#include "field/constants.h"
#include "field/primary_coupling.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace qv::field {
namespace {

// The secondary's length to its diameter: the field solution agrees with itself at twice the panels
// from 1e-4 to 1e4.
constexpr double kFewestLengthsPerDiameter = 1e-4;
// Fewer turns than a hundredth are no primary; the inductance of 1e-300 turns is below what a double holds.
constexpr double kMinPrimaryTurns = 0.01;
// Far beyond any coil (a kilometre); the rings' formulas square these lengths.
constexpr double kLargestPrimaryLengthM = 1e3;

bool allPositive(std::initializer_list<double> values)
{
    for (const double v : values)
        if (!(v > 0) || !std::isfinite(v)) return false;
    return true;
}

bool allNonNegative(std::initializer_list<double> values)
{
    for (const double v : values)
        if (!(v >= 0) || !std::isfinite(v)) return false;
    return true;
}

// Why two surfaces this close give no reliable figures; the limit in the calculator's unit.
std::string tooClose(const std::string& pair, double limitM, LengthUnit unit)
{
    constexpr LengthQuantity kLength = LengthQuantity::LengthInches;
    char limit[32];
    std::snprintf(limit, sizeof limit, "%.2g", shownValue(limitM / kMetresPerInch, kLength, unit));
    return pair + " too close to solve reliably (under " + limit + " " + std::string(unitCaption(kLength, unit)) +
           " apart)";
}

// Enough panels for the method's accuracy, few enough that a matrix stays in memory and time.
bool reasonableCount(int count) { return count >= 4 && count <= 1000; }

std::string secondaryProblem(const CoilModel& model, const Discretisation& cuts)
{
    if (!allPositive({model.secondaryRadiusM, model.secondaryHeightM, model.secondaryTurns}))
        return "The secondary's diameter, length and turns must be above zero";
    // The panels resolve a winding from a thin ring to a long wire; beyond, the matrices lose the
    // digits the modes need.
    const double lengthPerDiameter = model.secondaryHeightM / (2 * model.secondaryRadiusM);
    if (!(lengthPerDiameter >= kFewestLengthsPerDiameter))
        return "The secondary's length is too small beside its diameter to solve (at least 1e-4 of it)";
    if (!(lengthPerDiameter <= 1 / kFewestLengthsPerDiameter))
        return "The secondary's diameter is too small beside its length to solve (at least 1e-4 of it)";
    if (!allNonNegative({model.secondaryBottomM})) return "The winding's bottom is below the floor";
    const double windingTopM = model.secondaryBottomM + model.secondaryHeightM;
    if (model.ceilingM && !(*model.ceilingM > windingTopM)) return "The ceiling is below the winding's top";
    const double closestM = kWindingClosestGapPerLength * model.secondaryHeightM;
    if (model.ceilingM && *model.ceilingM - windingTopM < closestM)
        return tooClose("Winding top and ceiling", closestM, model.reasonUnit);
    if (!reasonableCount(cuts.windingPanels) || !reasonableCount(cuts.torusPanels) ||
        !reasonableCount(cuts.spherePanels) || !reasonableCount(cuts.windingSegments))
        return "Each panel and segment count must lie between 4 and 1000";
    return {};
}

std::string topLoadProblem(const CoilModel& model)
{
    double topM = 0;     // the top load's highest point
    double closestM = 0; // the smallest gap to the floor or ceiling solved reliably
    const double base = model.secondaryBottomM + model.secondaryHeightM + model.clearanceM;
    switch (model.topLoad) {
    case TopLoadShape::None:
        return {};
    case TopLoadShape::Toroid:
        if (!allPositive({model.tubeDiameterM, model.ringDiameterM - model.tubeDiameterM}))
            return "The toroid's tube diameter must be above zero and below its ring diameter";
        topM = base + model.tubeDiameterM;
        closestM = kTubeClosestGapPerRadius * model.tubeDiameterM / 2;
        break;
    case TopLoadShape::Sphere:
        if (!allPositive({model.sphereRadiusM})) return "The sphere's radius must be above zero";
        topM = base + 2 * model.sphereRadiusM;
        closestM = kSphereClosestGapPerRadius * model.sphereRadiusM;
        break;
    }
    if (!allNonNegative({model.clearanceM})) return "The top load reaches down into the winding";
    if (model.ceilingM && !(topM < *model.ceilingM)) return "The top load reaches the ceiling";
    if (model.ceilingM && *model.ceilingM - topM < closestM)
        return tooClose("Top load and ceiling", closestM, model.reasonUnit);
    if (base < closestM) return tooClose("Top load and floor", closestM, model.reasonUnit);
    return {};
}

std::string primaryProblem(const CoilModel& model)
{
    if (!allPositive({model.primaryWireDiameterM, model.primaryTurns}) ||
        !allNonNegative({model.primaryInsideDiameterM, model.primarySpacingM}))
        return "The primary's wire and turns must be above zero, its diameter and spacing not below zero";
    if (model.primaryTurns > kMaxPrimaryTurns) return "The primary has more turns than the field solution takes (1000)";
    if (model.primaryTurns < kMinPrimaryTurns) return "The primary has fewer turns than the field solution takes (0.01)";
    const struct {
        double lengthM;
        const char* name;
    } lengths[] = {{model.primaryInsideDiameterM, "inside diameter"}, {model.primaryWireDiameterM, "wire diameter"},
                   {model.primarySpacingM, "turn spacing"}};
    for (const auto& [lengthM, name] : lengths)
        if (lengthM > kLargestPrimaryLengthM)
            return std::string("The primary's ") + name + " is beyond what the field solution takes (a kilometre)";
    if (!std::isfinite(model.primaryAngleRadians) || !std::isfinite(model.primaryHeightM))
        return "The primary's angle and height must be numbers";
    // An angle past the vertical winds the turns inwards, through the axis.
    for (const Ring& ring : primaryRings(model))
        if (!(ring.radiusM > model.primaryWireDiameterM / 2)) return "A primary turn reaches the coil's axis";
    return {};
}

} // namespace

ModelProblems modelProblems(const CoilModel& model, const Discretisation& cuts)
{
    ModelProblems problems;
    problems.secondary = secondaryProblem(model, cuts);
    problems.topLoad = topLoadProblem(model);
    problems.primary = primaryProblem(model);
    if (problems.primary.empty()) problems.coupling = primaryPlacementProblem(model).value_or("");
    if (!allNonNegative({model.streamerLengthM})) problems.streamer = "The streamer length cannot be negative";
    return problems;
}

} // namespace qv::field
