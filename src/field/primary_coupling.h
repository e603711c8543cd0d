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
// Lp (H) of the model's primary, wherever it stands.
double primaryInductanceH(const CoilModel& model);

// Mutual inductance (H) of the rings with the model's secondary sheet.
double primarySecondaryMutualH(const std::vector<Ring>& rings, const CoilModel& model);

// Why the primary's turns cannot stand as placed (a turn crossing the winding, below the floor,
// above the ceiling or inside the top load), or nothing when they can.
std::optional<std::string> primaryPlacementProblem(const CoilModel& model);

// k = M / sqrt(Lp Ls) of the model's primary as placed.
double couplingCoefficient(const CoilModel& model, double secondaryInductanceH);

// The primary height (m above the winding's bottom; negative: the secondary raised above the primary)
// at which k reaches the model's target, searched over every height the primary can stand at from
// the floor to the winding's top; of several, the one nearest the model's own height. Or the reason
// there is none.
struct HeightSearch {
    std::optional<double> heightM;
    std::string reason;
};
HeightSearch primaryHeightForTargetK(const CoilModel& model, double secondaryInductanceH);

} // namespace qv::field
