#pragma once
// Equipotential lines of a potential sampled on a grid of the (r, z) half-plane, by marching
// squares: each grid cell whose corners straddle a level holds a straight piece of its line.

#include "field/coil_field.h"

#include <span>
#include <vector>

namespace qv {

struct EquipotentialSegment {
    double level;
    double r0M, z0M, r1M, z1M;
};

// Cells with a corner inside a conductor (no value there) hold no line.
std::vector<EquipotentialSegment> equipotentialSegments(const field::PotentialMap& map, std::span<const double> levels);

} // namespace qv
