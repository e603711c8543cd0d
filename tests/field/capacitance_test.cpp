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

TEST(Capacitance, CeilingImagesInClosedFormMatchTheSeriesPairByPair)
{
    // A winding with a torus whose top is 2 cm under the ceiling, and a wide flat torus under a low
    // ceiling (the far images' radii count as much as their heights). The series pair by pair to
    // n = 1000, whose remainder falls like 1/n^3 and is closed by (n/2) times the last pair (the
    // sum of 1/k^3 beyond n being 1/(2 n^2)), is good to 1e-9 of the largest entry. The closed form
    // keeps powers of 1/D to the ninth, leaving 3e-7; one power fewer, or a wrong coefficient, shows
    // above 3e-6.
    struct Case {
        std::vector<Panel> panels;
        double ceilingM;
    };
    std::vector<Panel> coil = windingPanels(0.09, 0.25, 1.2, 10);
    const std::vector<Panel> torus = torusPanels(0.3, 0.04, 1.5, 8);
    coil.insert(coil.end(), torus.begin(), torus.end());
    const Case cases[] = {{coil, 1.56}, {torusPanels(0.8, 0.05, 0.2, 8), 0.4}};
    for (const Case& c : cases) {
        Eigen::MatrixXd series = potentialMatrix(c.panels, Ground{});
        constexpr int kPairs = 1000;
        for (int n = 1; n <= kPairs; ++n) {
            const double weight = n == kPairs ? 1 + kPairs / 2.0 : 1;
            for (const Image& image : ceilingPair(c.ceilingM, n))
                for (std::size_t i = 0; i < c.panels.size(); ++i)
                    for (std::size_t j = 0; j < c.panels.size(); ++j)
                        series(static_cast<Eigen::Index>(i), static_cast<Eigen::Index>(j)) +=
                            weight * image.sign * panelIntegral(image.of(c.panels[j]), c.panels[i].midR(), c.panels[i].midZ()) /
                            (std::numbers::pi * kEpsilon0);
            }
        const Eigen::MatrixXd closed = potentialMatrix(c.panels, Ground{true, c.ceilingM});
        EXPECT_LT((closed - series).cwiseAbs().maxCoeff(), 1e-6 * series.cwiseAbs().maxCoeff()) << "ceiling " << c.ceilingM;
    }
}

} // namespace
} // namespace qv::field
