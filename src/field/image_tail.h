#pragma once
// The far end of the image series between a grounded floor (z = 0) and ceiling (z = H), in closed form.
//
// The n-th pair of images sits 2nH away. Seen from that far, a ring's azimuthally averaged inverse
// distance is a series in 1/d whose coefficients are polynomials in the two radii, and the pair's four
// images (two shifted by +-2nH, two reflected about +-nH) combine into odd powers of 1/(2nH) from the
// third on. Summed over every n from the first far pair, each power becomes a number, so the whole tail
// costs one short polynomial per matrix entry instead of dozens of elliptic integrals per pair.

#include "field/boundary_elements.h"

#include <Eigen/Dense>

#include <vector>

namespace qv::field {

// The first pair far enough (2nH at least three times the surfaces' extent) for the series to hold.
int firstFarCeilingPair(const std::vector<Panel>& panels, double ceilingM);

// The sum over pairs n >= firstPair of panelIntegral() through the four images of each pair (m),
// for every panel j seen from every panel i's midpoint, in the same units as potentialMatrix()'s sum.
Eigen::MatrixXd ceilingImageTail(const std::vector<Panel>& panels, double ceilingM, int firstPair);

} // namespace qv::field
