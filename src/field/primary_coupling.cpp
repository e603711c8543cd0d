#include "field/primary_coupling.h"

#include "field/constants.h"
#include "field/elliptic.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qv::field {

double maxwellMutualH(double radius1M, double radius2M, double gapM)
{
    // M = mu0 sqrt(r1 r2) [ (2/k - k) K(k) - (2/k) E(k) ], k^2 = 4 r1 r2 / ((r1 + r2)^2 + g^2).
    const double sum = radius1M + radius2M;
    const double m = 4 * radius1M * radius2M / (sum * sum + gapM * gapM);
    const double k = std::sqrt(m);
    const CompleteElliptic ke = completeElliptic(m);
    return kMu0 * std::sqrt(radius1M * radius2M) * ((2 / k - k) * ke.k - (2 / k) * ke.e);
}

double ringSelfInductanceH(double radiusM, double wireRadiusM)
{
    return kMu0 * radiusM * (std::log(8 * radiusM / wireRadiusM) - 2);
}

std::vector<Ring> primaryRings(const CoilModel& model)
{
    // Turn k (0 the innermost) at s_k = d/2 + k (d + s) along the winding's slope at angle A:
    // r_k = Din/2 + s_k cos A + (d/2) sin A, z_k = b + zp + s_k sin A.
    std::vector<Ring> rings;
    if (!(model.primaryTurns > 0 && model.primaryTurns <= kMaxPrimaryTurns)) return rings;
    const double wire = model.primaryWireDiameterM;
    const double pitch = wire + model.primarySpacingM;
    const double angle = model.primaryAngleRadians;
    const int count = static_cast<int>(std::ceil(model.primaryTurns));
    for (int k = 0; k < count; ++k) {
        const double along = wire / 2 + k * pitch;
        rings.push_back({model.primaryInsideDiameterM / 2 + along * std::cos(angle) + wire / 2 * std::sin(angle),
                         model.secondaryBottomM + model.primaryHeightM + along * std::sin(angle), 1.0});
    }
    rings.back().weight = model.primaryTurns - (count - 1);
    return rings;
}

double primaryInductanceH(const std::vector<Ring>& rings, double wireDiameterM)
{
    double total = 0;
    for (std::size_t i = 0; i < rings.size(); ++i) {
        total += rings[i].weight * rings[i].weight * ringSelfInductanceH(rings[i].radiusM, wireDiameterM / 2);
        for (std::size_t j = i + 1; j < rings.size(); ++j)
            total += 2 * rings[i].weight * rings[j].weight *
                     maxwellMutualH(rings[i].radiusM, rings[j].radiusM, rings[i].heightM - rings[j].heightM);
    }
    return total;
}

double primarySecondaryMutualH(const std::vector<Ring>& rings, const CoilModel& model)
{
    // M = n sum_k w_k integral over the winding's height of M(r_k, a, z - z_k) dz; the integrand is
    // smooth while no turn touches the sheet, so 64 Gauss points are plenty.
    constexpr int kPoints = 64;
    const GaussRule& rule = gaussRule(kPoints);
    const double half = model.secondaryHeightM / 2;
    const double middle = model.secondaryBottomM + half;
    const double turnsPerMetre = model.secondaryTurns / model.secondaryHeightM;
    double total = 0;
    for (const Ring& ring : rings) {
        double integral = 0;
        for (std::size_t i = 0; i < rule.nodes.size(); ++i)
            integral += rule.weights[i] *
                        maxwellMutualH(ring.radiusM, model.secondaryRadiusM, middle + half * rule.nodes[i] - ring.heightM);
        total += ring.weight * integral * half;
    }
    return turnsPerMetre * total;
}

namespace {

struct Point {
    double r;
    double z;
};

double pointSegmentDistance(Point p, Point a, Point b)
{
    const double dr = b.r - a.r;
    const double dz = b.z - a.z;
    const double lengthSquared = dr * dr + dz * dz;
    const double t = lengthSquared > 0 ? std::clamp(((p.r - a.r) * dr + (p.z - a.z) * dz) / lengthSquared, 0.0, 1.0) : 0;
    return std::hypot(p.r - (a.r + t * dr), p.z - (a.z + t * dz));
}

// The distance between the winding (a vertical segment at r = a) and one stretch of the primary's
// conductor; zero when the stretch passes through the winding.
double distanceToWinding(Point from, Point to, Point windingBottom, Point windingTop)
{
    const double radius = windingBottom.r;
    if ((from.r - radius) * (to.r - radius) < 0) {
        const double t = (radius - from.r) / (to.r - from.r);
        const double z = from.z + t * (to.z - from.z);
        if (z >= windingBottom.z && z <= windingTop.z) return 0;
    }
    return std::min({pointSegmentDistance(from, windingBottom, windingTop),
                     pointSegmentDistance(to, windingBottom, windingTop),
                     pointSegmentDistance(windingBottom, from, to), pointSegmentDistance(windingTop, from, to)});
}

} // namespace

std::optional<std::string> primaryPlacementProblem(const CoilModel& model)
{
    const std::vector<Ring> rings = primaryRings(model);
    const double wireRadius = model.primaryWireDiameterM / 2;
    const Point bottom{model.secondaryRadiusM, model.secondaryBottomM};
    const Point top{model.secondaryRadiusM, model.secondaryBottomM + model.secondaryHeightM};
    for (std::size_t i = 0; i < rings.size(); ++i) {
        const Point here{rings[i].radiusM, rings[i].heightM};
        const Point next = i + 1 < rings.size() ? Point{rings[i + 1].radiusM, rings[i + 1].heightM} : here;
        if (distanceToWinding(here, next, bottom, top) < wireRadius)
            return "A primary turn crosses the secondary winding";
        if (here.z < wireRadius) return "A primary turn lies below the floor";
    }
    return std::nullopt;
}

double couplingCoefficient(const CoilModel& model, double secondaryInductanceH)
{
    const std::vector<Ring> rings = primaryRings(model);
    const double lp = primaryInductanceH(rings, model.primaryWireDiameterM);
    return primarySecondaryMutualH(rings, model) / std::sqrt(lp * secondaryInductanceH);
}

HeightSearch primaryHeightForTargetK(const CoilModel& model, double secondaryInductanceH)
{
    // Scan the winding's length for the first step where k reaches the target, then close in on it by
    // regula falsi (the Illinois variant: the side that stays has its excess halved). k rises as the
    // primary climbs towards the winding's middle; the lowest height is the one a builder sets.
    constexpr int kScanSteps = 8;
    constexpr int kMaxRefinements = 60;
    constexpr double kHeightTolerance = 1e-6; // of the winding's length: a micron on a metre-long coil
    const double target = model.targetK;
    if (!(target > 0 && target < 1)) return {std::nullopt, "The target k must lie between 0 and 1"};
    CoilModel placed = model;
    placed.primaryHeightM = 0;
    if (auto problem = primaryPlacementProblem(placed)) return {std::nullopt, *problem};
    const double lp = primaryInductanceH(primaryRings(placed), model.primaryWireDiameterM);
    const auto excess = [&](double heightM) {
        placed.primaryHeightM = heightM;
        return primarySecondaryMutualH(primaryRings(placed), placed) / std::sqrt(lp * secondaryInductanceH) - target;
    };
    char text[160];
    double below = 0;
    double excessBelow = excess(0);
    if (excessBelow > 0) {
        std::snprintf(text, sizeof text, "At the winding's bottom the primary already couples k = %.3f", excessBelow + target);
        return {std::nullopt, text};
    }
    double highest = excessBelow;
    for (int step = 1; step <= kScanSteps; ++step) {
        double above = model.secondaryHeightM * step / kScanSteps;
        double excessAbove = excess(above);
        highest = std::max(highest, excessAbove);
        if (excessAbove >= 0) {
            for (int i = 0; i < kMaxRefinements && above - below > kHeightTolerance * model.secondaryHeightM; ++i) {
                const double guess = below - excessBelow * (above - below) / (excessAbove - excessBelow);
                const double excessGuess = excess(guess);
                if (excessGuess >= 0) {
                    above = guess;
                    excessAbove = excessGuess;
                    excessBelow /= 2;
                } else {
                    below = guess;
                    excessBelow = excessGuess;
                    excessAbove /= 2;
                }
            }
            return {(below + above) / 2, ""};
        }
        below = above;
        excessBelow = excessAbove;
    }
    std::snprintf(text, sizeof text, "No primary height within the winding's length reaches k = %.3f (at most %.3f)",
                  target, highest + target);
    return {std::nullopt, text};
}

} // namespace qv::field
