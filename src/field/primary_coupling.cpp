#include "field/primary_coupling.h"

#include "field/constants.h"
#include "field/elliptic.h"
#include "field/secondary_field.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace qv::field {

double maxwellMutualH(double radius1M, double radius2M, double gapM)
{
    // M = mu0 sqrt(r1 r2) [ (2/k - k) K(k) - (2/k) E(k) ], k^2 = 4 r1 r2 / ((r1 + r2)^2 + g^2).
    // For far or small rings the bracket is a small difference of large terms: there
    // (2 - m) K - 2 E = (pi/2) sum over n >= 2 of c_n m^n, c_n = a_n 4n / (2n - 1) - a_(n-1),
    // a_n = ((2n)! / (2^2n n!^2))^2 the coefficients of K's series, keeps every digit and M >= 0.
    constexpr double kSeriesBelow = 0.01; // m: the closed form loses 1e-11 here, the series ten terms
    constexpr int kSeriesTerms = 12;
    const double sum = radius1M + radius2M;
    const double m = 4 * radius1M * radius2M / (sum * sum + gapM * gapM);
    const double k = std::sqrt(m);
    const double scale = kMu0 * std::sqrt(radius1M * radius2M);
    if (m < kSeriesBelow) {
        double previousA = 0.25; // a_1
        double mPower = m * m;
        double series = 0;
        for (int n = 2; n < 2 + kSeriesTerms; ++n) {
            const double a = previousA * std::pow((2.0 * n - 1) / (2.0 * n), 2);
            series += (a * 4 * n / (2 * n - 1) - previousA) * mPower;
            previousA = a;
            mPower *= m;
        }
        // The bracket is (1/k) times that: m^2 / k stays finite (and 0) as k -> 0.
        return scale * std::numbers::pi / 2 * series / std::max(k, std::numeric_limits<double>::min());
    }
    const CompleteElliptic ke = completeElliptic(m);
    return scale * ((2 / k - k) * ke.k - (2 / k) * ke.e);
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

double primaryInductanceH(const CoilModel& model)
{
    // Lp does not depend on where the primary stands; its turns taken from the floor keep the small
    // differences of their heights when the typed height is huge.
    CoilModel atFloor = model;
    atFloor.secondaryBottomM = 0;
    atFloor.primaryHeightM = 0;
    return primaryInductanceH(primaryRings(atFloor), model.primaryWireDiameterM);
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
        if (model.ceilingM && here.z + wireRadius > *model.ceilingM) return "A primary turn lies above the ceiling";
        if (distanceToTopLoadM(model, here.r, here.z) < wireRadius) return "A primary turn lies inside the top load";
    }
    return std::nullopt;
}

double couplingCoefficient(const CoilModel& model, double secondaryInductanceH)
{
    const std::vector<Ring> rings = primaryRings(model);
    return primarySecondaryMutualH(rings, model) / std::sqrt(primaryInductanceH(model) * secondaryInductanceH);
}

} // namespace qv::field
