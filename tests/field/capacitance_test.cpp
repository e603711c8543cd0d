// Boundary-element capacitance against exact solutions: the sphere alone and over a grounded floor,
// and the isolated torus.

#include "field/boundary_elements.h"
#include "field/constants.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv::field {
namespace {

double singleConductorPf(const std::vector<Panel>& panels, const Ground& ground)
{
    const Eigen::PartialPivLU<Eigen::MatrixXd> lu(potentialMatrix(panels, ground));
    const Eigen::MatrixXd allAtOne = Eigen::MatrixXd::Ones(static_cast<Eigen::Index>(panels.size()), 1);
    return nodeCapacitance(panels, lu, allAtOne)(0, 0) * 1e12;
}

// The references are exact to better than 0.01 %; 0.3 % is the method's budget at the default panel
// counts (the polygon that stands in for the curved surface and the quadrature).
constexpr double kTolerance = 0.003;

TEST(Capacitance, IsolatedSphereIsFourPiEpsilonZeroTimesItsRadius)
{
    const double radius = 0.25;
    const double exactPf = 4 * std::numbers::pi * kEpsilon0 * radius * 1e12;
    EXPECT_NEAR(singleConductorPf(spherePanels(radius, 1, 40), Ground{false, {}}), exactPf, kTolerance * exactPf);
}

TEST(Capacitance, SphereOverTheFloorFollowsTheImageSeries)
{
    // C = 4 pi eps0 a sinh(alpha) sum 1/sinh(n alpha), cosh(alpha) = c/a: from just clear of the floor
    // (where the floor adds most) to far above it.
    const double radius = 0.2;
    for (const double centre : {0.25, 0.4, 1.0}) {
        const double alpha = std::acosh(centre / radius);
        double series = 0;
        for (int n = 1; n < 10000; ++n) series += 1 / std::sinh(n * alpha);
        const double exactPf = 4 * std::numbers::pi * kEpsilon0 * radius * std::sinh(alpha) * series * 1e12;
        EXPECT_NEAR(singleConductorPf(spherePanels(radius, centre, 40), Ground{}), exactPf, kTolerance * exactPf)
            << "centre at " << centre << " m";
    }
}

TEST(Capacitance, SmallSphereMidwayBetweenFloorAndCeiling)
{
    // A charge midway between grounded planes 2d apart sees images of alternating sign whose
    // potential sums to -q ln 2 / (4 pi eps0 d); for a sphere of radius a << d that gives
    // C = 4 pi eps0 a / (1 - (a/d) ln 2), to (a/d)^3 = 1e-4 here. The floor alone would give
    // 1 - a/(2d), 1 % away: 0.15 % catches a lost or mis-signed image family.
    const double radius = 0.05, halfGap = 1.0;
    const double exactPf = 4 * std::numbers::pi * kEpsilon0 * radius / (1 - radius / halfGap * std::log(2.0)) * 1e12;
    const double computedPf = singleConductorPf(spherePanels(radius, halfGap, 40), Ground{true, 2 * halfGap});
    EXPECT_NEAR(computedPf, exactPf, 0.0015 * exactPf);
}

TEST(Capacitance, IsolatedToriMatchTheExactTable)
{
    // Overall diameter x tube diameter in inches, exact pF.
    const struct {
        double overallInches;
        double tubeInches;
        double pf;
    } table[] = {{4, 1, 4.37}, {8, 2, 8.74}, {12, 3, 13.11}, {20, 4, 21.07}, {24, 6, 26.21}, {30, 8, 33.11}, {48, 12, 52.43}};
    for (const auto& row : table) {
        const double tube = row.tubeInches * kMetresPerInch;
        const double ringRadius = (row.overallInches - row.tubeInches) / 2 * kMetresPerInch;
        EXPECT_NEAR(singleConductorPf(torusPanels(ringRadius, tube / 2, 1, 32), Ground{false, {}}), row.pf, kTolerance * row.pf)
            << row.overallInches << " x " << row.tubeInches;
    }
}

} // namespace
} // namespace qv::field
