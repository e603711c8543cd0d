#include "field/current_sheet.h"

#include "field/elliptic.h"
#include "field/constants.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace qv::field {

double nagaokaCoefficient(double diameter, double length)
{
    // K_N = 4 / (3 pi sqrt(1 - m)) [ ((1 - m)/m)(K(m) - E(m)) + E(m) - sqrt(m) ], m = D^2 / (D^2 + l^2).
    const double m = diameter * diameter / (diameter * diameter + length * length);
    const CompleteElliptic ke = completeElliptic(m);
    const double bracket = (1 - m) / m * (ke.k - ke.e) + ke.e - std::sqrt(m);
    return 4 / (3 * std::numbers::pi * std::sqrt(1 - m)) * bracket;
}

double sheetInductancePerTurnDensity(double radiusM, double lengthM)
{
    if (lengthM <= 0) return 0;
    return kMu0 * std::numbers::pi * radiusM * radiusM * lengthM * nagaokaCoefficient(2 * radiusM, lengthM);
}

double sheetInductanceH(double radiusM, double heightM, double turns)
{
    const double turnsPerMetre = turns / heightM;
    return turnsPerMetre * turnsPerMetre * sheetInductancePerTurnDensity(radiusM, heightM);
}

Eigen::MatrixXd segmentInductanceMatrix(double radiusM, double heightM, double turns, int count)
{
    // Two segments d apart: M_d = (n^2 / 2) [S((d+1) D) + S(|d-1| D) - 2 S(d D)], D = h / count,
    // from the sheet's inductance as the sum of its parts' self and mutual inductances.
    const double segmentM = heightM / count;
    const double turnsPerMetre = turns / heightM;
    const auto s = [&](int segments) { return sheetInductancePerTurnDensity(radiusM, segments * segmentM); };
    Eigen::VectorXd byDistance(count);
    for (int d = 0; d < count; ++d)
        byDistance(d) = turnsPerMetre * turnsPerMetre / 2 * (s(d + 1) + s(std::abs(d - 1)) - 2 * s(d));
    Eigen::MatrixXd m(count, count);
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < count; ++j) m(i, j) = byDistance(std::abs(i - j));
    return m;
}

} // namespace qv::field
