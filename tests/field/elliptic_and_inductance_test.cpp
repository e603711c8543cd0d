// The numerical tools and the inductance formulas against values that do not come from them.

#include "field/current_sheet.h"
#include "field/elliptic.h"
#include "field/primary_coupling.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv::field {
namespace {

// The standard library's complete integrals take the modulus k = sqrt(m). A wrong coefficient in
// the kernel's polynomial, or a parameter/modulus mix-up, shows as an error far above 2e-8.
TEST(EllipticIntegrals, AgreeWithTheStandardLibraryAcrossTheParameterRange)
{
    for (const double m : {0.0, 1e-6, 0.1, 0.3, 0.5, 0.7, 0.9, 0.99, 0.999999}) {
        const double k = std::sqrt(m);
        const double exactK = std::comp_ellint_1(k);
        const CompleteElliptic agm = completeElliptic(m);
        // Near m = 1 the reference's own modulus rounds: 1e-16 in m is 1e-10 of K at m = 0.999999.
        EXPECT_NEAR(agm.k, exactK, 1e-10 * exactK) << "m = " << m;
        EXPECT_NEAR(agm.e, std::comp_ellint_2(k), 1e-13) << "m = " << m;
        // Hastings' approximation is good to 2e-8 absolute (Abramowitz & Stegun 17.3.34).
        EXPECT_NEAR(ellipticKFromComplement(1 - m), exactK, 2.5e-8) << "m = " << m;
    }
}

TEST(EllipticIntegrals, KernelKeepsItsDigitsNextToTheRing)
{
    // Closer to m = 1 the modulus k = sqrt(m) itself rounds too coarsely to serve as a reference;
    // there K = L + (m1/4)(L - 1) + O(m1^2 L), L = ln(4 / sqrt(m1)).
    for (const double m1 : {1e-8, 1e-12, 1e-16}) {
        const double l = std::log(4 / std::sqrt(m1));
        EXPECT_NEAR(ellipticKFromComplement(m1), l + m1 / 4 * (l - 1), 2.5e-8) << "m1 = " << m1;
    }
}

TEST(EllipticIntegrals, GaussRulesIntegrateTheirDegreeExactly)
{
    // An n-point rule is exact for polynomials up to degree 2n - 1: integral of x^(2n-2) on [-1, 1].
    for (const int points : {2, 4, 8, 16, 64}) {
        const GaussRule& rule = gaussRule(points);
        double sum = 0;
        for (std::size_t i = 0; i < rule.nodes.size(); ++i) sum += rule.weights[i] * std::pow(rule.nodes[i], 2 * points - 2);
        EXPECT_NEAR(sum, 2.0 / (2 * points - 1), 1e-13) << points << " points";
    }
}

// Nagaoka's published coefficients for D/l = 0.1, 0.5, 1, 2, 10.
TEST(CurrentSheet, NagaokaCoefficientMatchesTheTable)
{
    const struct {
        double diameterOverLength;
        double coefficient;
    } table[] = {{0.1, 0.958807}, {0.5, 0.818136}, {1, 0.688423}, {2, 0.525510}, {10, 0.203324}};
    for (const auto& row : table)
        EXPECT_NEAR(nagaokaCoefficient(row.diameterOverLength, 1), row.coefficient, 1e-6) << "D/l " << row.diameterOverLength;
}

TEST(CurrentSheet, SegmentsAddUpToTheWholeSheet)
{
    // Summing every entry of the segment matrix is the whole sheet's inductance, whatever the cut;
    // a wrong neighbour term in M_d breaks it. A long sheet approaches mu0 N^2 pi a^2 / h.
    const double radius = 0.1;
    const double height = 1.0;
    const double turns = 1000;
    const double whole = sheetInductanceH(radius, height, turns);
    for (const int segments : {1, 7, 20})
        EXPECT_NEAR(segmentInductanceMatrix(radius, height, turns, segments).sum(), whole, 1e-9 * whole);
    const double longSheet = sheetInductanceH(0.01, 10, 1000);
    const double infinite = 4e-7 * M_PI * 1000 * 1000 * M_PI * 1e-4 / 10;
    EXPECT_NEAR(longSheet / infinite, 1 - 8 * 0.01 / (3 * M_PI * 10), 1e-5); // K_N ~ 1 - 8a/(3 pi l)
}

// Coaxial rings of radii 0.2 m and 0.25 m, from the tables of filament mutual inductance.
TEST(Rings, MaxwellMutualInductanceMatchesTheTable)
{
    EXPECT_NEAR(maxwellMutualH(0.2, 0.25, 0.1), 2.4877e-7, 1e-4 * 2.4877e-7);
    EXPECT_NEAR(maxwellMutualH(0.25, 0.2, -0.2), 1.2395e-7, 1e-4 * 1.2395e-7);
}

} // namespace
} // namespace qv::field
