#include "tank/tap_curve.h"

#include "field/primary_coupling.h"

#include <algorithm>
#include <cstddef>
#include <cstdio>

namespace qv::tank {
namespace {

constexpr double kMicroPerUnit = 1e6;
// The formula's scan: fine enough that a formula rising from 0 crosses once per step; bisection
// then closes in to a millionth of a turn.
constexpr int kScanSteps = 256;
constexpr int kBisections = 60;

// Three figures, so a few hundredths of a microhenry needed by a large capacitor do not read as 0;
// whole microhenries from 100 up.
std::string microhenries(double henries)
{
    constexpr double kWholeFrom = 100;
    const double microhenries = henries * kMicroPerUnit;
    char text[32];
    std::snprintf(text, sizeof text, microhenries < kWholeFrom ? "%.3g uH" : "%.0f uH", microhenries);
    return text;
}

// Why no tap reaches: the leads alone are too much, or the whole primary too little.
std::optional<std::string> unreachable(double wholePrimaryH, double leadH, double neededH)
{
    if (leadH >= neededH) return "the leads alone are more than the " + microhenries(neededH) + " needed";
    if (wholePrimaryH + leadH < neededH)
        return "needs " + microhenries(neededH - leadH) + ", the whole primary gives " + microhenries(wholePrimaryH) +
               ": add turns or use a smaller capacitor";
    return std::nullopt;
}

// The point where the curve's values cross the level, on the segment that first reaches it.
double crossing(const std::vector<double>& turns, const std::vector<double>& values, double level)
{
    const auto above = std::lower_bound(values.begin(), values.end(), level);
    const auto i = static_cast<std::size_t>(std::max<std::ptrdiff_t>(1, above - values.begin()));
    const double share = (level - values[i - 1]) / (values[i] - values[i - 1]);
    return turns[i - 1] + share * (turns[i] - turns[i - 1]);
}

// The value at n on the straight line between the two points around it.
double interpolated(const std::vector<double>& turns, const std::vector<double>& values, double n)
{
    if (turns.size() < 2) return 0;
    const auto after = std::upper_bound(turns.begin(), turns.end(), n);
    const auto i = static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(after - turns.begin(), 1,
                                                                       static_cast<std::ptrdiff_t>(turns.size()) - 1));
    const double share = (n - turns[i - 1]) / (turns[i] - turns[i - 1]);
    return values[i - 1] + share * (values[i] - values[i - 1]);
}

} // namespace

TurnCurve turnCurve(const field::CoilModel& model)
{
    // Adding ring k to the k rings inside it adds its own inductance and twice its mutual
    // inductance with each of them, each weighted by the turns the ring stands for.
    const std::vector<field::Ring> rings = field::primaryRings(model);
    const double wireRadiusM = model.primaryWireDiameterM / 2;
    TurnCurve curve{{0}, {0}, {0}};
    for (std::size_t k = 0; k < rings.size(); ++k) {
        const field::Ring& ring = rings[k];
        double withInnerH = 0;
        for (std::size_t j = 0; j < k; ++j)
            withInnerH += rings[j].weight * field::maxwellMutualH(rings[j].radiusM, ring.radiusM, rings[j].heightM - ring.heightM);
        curve.turns.push_back(curve.turns.back() + ring.weight);
        curve.primaryH.push_back(curve.primaryH.back() +
                                 ring.weight * ring.weight * field::ringSelfInductanceH(ring.radiusM, wireRadiusM) +
                                 2 * ring.weight * withInnerH);
        curve.mutualH.push_back(curve.mutualH.back() + field::primarySecondaryMutualH({ring}, model));
    }
    return curve;
}

double curvePrimaryH(const TurnCurve& curve, double turns) { return interpolated(curve.turns, curve.primaryH, turns); }

double curveMutualH(const TurnCurve& curve, double turns) { return interpolated(curve.turns, curve.mutualH, turns); }

Tap curveTap(const TurnCurve& curve, double leadH, double neededH)
{
    if (auto why = unreachable(curve.primaryH.back(), leadH, neededH)) return {std::nullopt, *why};
    return {crossing(curve.turns, curve.primaryH, neededH - leadH), {}};
}

Tap formulaTap(const std::function<double(double)>& primaryHOfTurns, double wholeTurns, double leadH, double neededH)
{
    if (auto why = unreachable(primaryHOfTurns(wholeTurns), leadH, neededH)) return {std::nullopt, *why};
    const double levelH = neededH - leadH;
    double below = 0;
    double above = wholeTurns;
    for (int step = 1; step <= kScanSteps; ++step) {
        const double n = wholeTurns * step / kScanSteps;
        if (primaryHOfTurns(n) >= levelH) {
            above = n;
            break;
        }
        below = n;
    }
    for (int i = 0; i < kBisections; ++i) {
        const double middle = (below + above) / 2;
        (primaryHOfTurns(middle) >= levelH ? above : below) = middle;
    }
    return {(below + above) / 2, {}};
}

} // namespace qv::tank
