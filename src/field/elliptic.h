#pragma once
// Complete elliptic integrals and Gauss-Legendre rules, the two numerical tools every formula of the
// field solution stands on.

#include <vector>

namespace qv::field {

// K(m) and E(m), parameter m = k^2 in [0, 1), by the arithmetic-geometric mean: exact to rounding.
// For the few evaluations that tests pin to 1e-6 (Nagaoka's coefficient, Maxwell's rings).
struct CompleteElliptic {
    double k;
    double e;
};
CompleteElliptic completeElliptic(double m);

// K written from the complementary parameter m1 = 1 - m, so a point next to a ring loses no digits:
// Hastings' approximation (Abramowitz & Stegun 17.3.34, |error| <= 2e-8),
// K = P(m1) + Q(m1) ln(1/m1). Cheap enough for the millions of ring-charge evaluations.
double ellipticKFromComplement(double m1);

// Nodes and weights of the n-point Gauss-Legendre rule on [-1, 1].
struct GaussRule {
    std::vector<double> nodes;
    std::vector<double> weights;
};
// The rules of 2, 4, 8, 16 and 64 points (no other count) are built once and kept.
const GaussRule& gaussRule(int points);

} // namespace qv::field
