// The primary height for a target k: every height the primary can stand at, from its lowest turn on
// the floor (the secondary raised above the primary) to its innermost turn at the winding's top,
// scanned for the places where k crosses the target; of those, the one nearest the builder's own
// height, closed in on by regula falsi.

#include "field/primary_coupling.h"


#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace qv::field {
namespace {

// k rises as the primary nears the winding's middle and falls beyond: 32 steps over the range keep
// every crossing of a target between 0 and 1 in a step of its own on any coil a builder winds.
constexpr int kScanSteps = 32;
constexpr int kMaxRefinements = 60;
constexpr double kHeightTolerance = 1e-6; // of the winding's length: a micron on a metre-long coil

struct Sample {
    double heightM;
    double excess; // k - target; NaN where the primary cannot stand
    bool stands() const { return !std::isnan(excess); }
};

class Coupling {
public:
    Coupling(const CoilModel& model, double primaryH, double secondaryInductanceH)
        : placed_(model), scale_(1 / std::sqrt(primaryH * secondaryInductanceH))
    {
    }
    Sample at(double heightM)
    {
        placed_.primaryHeightM = heightM;
        if (primaryPlacementProblem(placed_)) return {heightM, std::numeric_limits<double>::quiet_NaN()};
        return {heightM, primarySecondaryMutualH(primaryRings(placed_), placed_) * scale_ - placed_.targetK};
    }

private:
    CoilModel placed_;
    double scale_;
};

// Regula falsi between two samples of opposite sign, the Illinois variant: the side that stays has
// its excess halved.
double crossing(Coupling& coupling, Sample low, Sample high, double toleranceM)
{
    for (int i = 0; i < kMaxRefinements && std::abs(high.heightM - low.heightM) > toleranceM; ++i) {
        const double guess = low.heightM - low.excess * (high.heightM - low.heightM) / (high.excess - low.excess);
        const Sample s = coupling.at(guess);
        if (!s.stands()) break;
        if ((s.excess >= 0) == (high.excess >= 0)) {
            high = s;
            low.excess /= 2;
        } else {
            low = s;
            high.excess /= 2;
        }
    }
    return (low.heightM + high.heightM) / 2;
}

std::string describe(const char* format, double a, double b = 0)
{
    char text[200];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

} // namespace

HeightSearch primaryHeightForTargetK(const CoilModel& model, double secondaryInductanceH)
{
    const double target = model.targetK;
    if (!(target > 0 && target < 1)) return {std::nullopt, "The target k must lie between 0 and 1"};
    const double lp = primaryInductanceH(model);
    if (!(lp > 0 && std::isfinite(lp) && secondaryInductanceH > 0 && std::isfinite(secondaryInductanceH)))
        return {std::nullopt, "The primary's and secondary's inductances are too small to find k from"};

    // The turns' heights above the innermost turn's: the range puts the lowest on the floor.
    CoilModel atZero = model;
    atZero.primaryHeightM = -model.secondaryBottomM;
    double lowestTurnM = INFINITY;
    for (const Ring& ring : primaryRings(atZero)) lowestTurnM = std::min(lowestTurnM, ring.heightM);
    const double fromM = model.primaryWireDiameterM / 2 - model.secondaryBottomM - lowestTurnM;
    const double toM = model.secondaryHeightM;

    Coupling coupling(model, lp, secondaryInductanceH);
    std::vector<Sample> samples;
    for (int step = 0; step <= kScanSteps; ++step) samples.push_back(coupling.at(fromM + (toM - fromM) * step / kScanSteps));

    std::optional<double> nearest;
    double lowestK = INFINITY;
    double highestK = -INFINITY;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (!samples[i].stands()) continue;
        lowestK = std::min(lowestK, samples[i].excess + target);
        highestK = std::max(highestK, samples[i].excess + target);
        if (i == 0 || !samples[i - 1].stands() || (samples[i - 1].excess >= 0) == (samples[i].excess >= 0)) continue;
        const double height = crossing(coupling, samples[i - 1], samples[i], kHeightTolerance * model.secondaryHeightM);
        if (!coupling.at(height).stands()) continue;
        if (!nearest || std::abs(height - model.primaryHeightM) < std::abs(*nearest - model.primaryHeightM)) nearest = height;
    }
    if (nearest) return {nearest, ""};
    if (!std::isfinite(lowestK))
        return {std::nullopt, "No primary height, floor to winding top, clears the winding, ceiling and top load"};
    if (lowestK > target)
        return {std::nullopt, describe("Every primary height, floor to winding top, couples over k = %.3f (at least %.3f)",
                                       target, lowestK)};
    return {std::nullopt, describe("No primary height, floor to winding top, reaches k = %.3f (at most %.3f)", target, highestK)};
}

} // namespace qv::field
