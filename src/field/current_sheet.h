#pragma once
// The secondary as a current sheet: Nagaoka's exact inductance of a uniform solenoid, and from it
// the inductance matrix of the winding cut into equal segments.

#include <Eigen/Dense>

namespace qv::field {

// Nagaoka's coefficient of a current sheet of diameter D and length l (any length unit): the ratio
// of its inductance to that of the same sheet taken infinitely long.
double nagaokaCoefficient(double diameter, double length);

// S(l) = mu0 pi a^2 l K_N: the inductance of a sheet of radius a (m) and length l (m) per squared
// turn density (H m^2); S(0) = 0.
double sheetInductancePerTurnDensity(double radiusM, double lengthM);

// Inductance (H) of a winding of radius a (m), height h (m) and N turns.
double sheetInductanceH(double radiusM, double heightM, double turns);

// Self and mutual inductances (H) of the winding's segments, bottom to top, each of height h / count.
Eigen::MatrixXd segmentInductanceMatrix(double radiusM, double heightM, double turns, int count);

} // namespace qv::field
