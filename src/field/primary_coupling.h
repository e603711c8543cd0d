#pragma once
// The primary as coaxial circular rings: its inductance, its mutual inductance with the secondary's
// current sheet, the coupling k, and the primary height that gives a target k.

#include "field/coil_field.h"

#include <optional>
#include <string>

namespace qv::field {

// More turns than any spark-gap primary has: beyond this the rings are not built (the sheets accept
// any typed count, up to 1e12).
inline constexpr double kMaxPrimaryTurns = 1000;

// Maxwell's mutual inductance (H) of two coaxial circular filaments of radii r1, r2 (m), an axial
// distance g (m) apart.
double maxwellMutualH(double radius1M, double radius2M, double gapM);

// Self-inductance (H) of a ring of radius r (m) of round wire of radius rw (m), current on the
// wire's surface: mu0 r (ln(8 r / rw) - 2).
double ringSelfInductanceH(double radiusM, double wireRadiusM);

// Lp (H) of the rings, each of round wire of the given diameter.
double primaryInductanceH(const std::vector<Ring>& rings, double wireDiameterM);

// Mutual inductance (H) of the rings with the model's secondary sheet.
double primarySecondaryMutualH(const std::vector<Ring>& rings, const CoilModel& model);

// Why the primary's turns cannot be coupled to the secondary as placed (a turn crossing the
// winding, or below the floor), or nothing when they can.
std::optional<std::string> primaryPlacementProblem(const CoilModel& model);

// k = M / sqrt(Lp Ls) of the model's primary as placed.
double couplingCoefficient(const CoilModel& model, double secondaryInductanceH);

// The lowest primary height (m, above the winding's bottom) within the winding's length at which k
// reaches the model's target, or the reason there is none.
struct HeightSearch {
    std::optional<double> heightM;
    std::string reason;
};
HeightSearch primaryHeightForTargetK(const CoilModel& model, double secondaryInductanceH);

} // namespace qv::field
