#pragma once
// The secondary as a distributed resonator: its node capacitance matrix C and segment inductance
// matrix M together give the standing-wave modes.

#include <Eigen/Dense>

#include <optional>
#include <vector>

namespace qv::field {

struct WindingModes {
    std::vector<double> frequenciesHz; // lowest first: the quarter wave, then 3/4 and 5/4
    Eigen::VectorXd fundamentalVolts;  // the quarter wave's node voltages, bottom to top, top at 1
};

// The `count` lowest modes, or nothing when C or M is not positive definite (no physical coil).
std::optional<WindingModes> windingModes(const Eigen::MatrixXd& nodeCapacitanceF, const Eigen::MatrixXd& segmentInductanceH,
                                         int count);

} // namespace qv::field
