#include "field/resonance.h"

#include <cmath>
#include <numbers>

namespace qv::field {

std::optional<WindingModes> windingModes(const Eigen::MatrixXd& nodeCapacitanceF, const Eigen::MatrixXd& segmentInductanceH,
                                         int count)
{
    // Segment k's current charges every node above it, I = j omega T^T Q, and a node's voltage is the
    // sum of the EMFs below it, V = T e, with T lower-triangular ones. So T M T^T C V = V / omega^2:
    // the modes are the eigenvalues lambda = 1 / omega^2 of P M, P = T^T C T. With M = L L^T they are
    // those of the symmetric L^T P L, whose eigenvector y gives V = T L y.
    const Eigen::Index nodes = nodeCapacitanceF.rows();
    const Eigen::MatrixXd t = Eigen::MatrixXd::Ones(nodes, nodes).triangularView<Eigen::Lower>();
    const Eigen::LLT<Eigen::MatrixXd> cholesky(segmentInductanceH);
    if (cholesky.info() != Eigen::Success) return std::nullopt;
    const Eigen::MatrixXd l = cholesky.matrixL();
    const Eigen::MatrixXd p = t.transpose() * nodeCapacitanceF * t;
    const Eigen::MatrixXd symmetric = l.transpose() * p * l;
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(symmetric);
    if (solver.info() != Eigen::Success || count > nodes) return std::nullopt;

    WindingModes modes;
    for (int i = 0; i < count; ++i) {
        const double lambda = solver.eigenvalues()(nodes - 1 - i); // ascending: the largest last
        if (!(lambda > 0)) return std::nullopt;
        modes.frequenciesHz.push_back(1 / (2 * std::numbers::pi * std::sqrt(lambda)));
    }
    modes.fundamentalVolts = t * l * solver.eigenvectors().col(nodes - 1);
    const double top = modes.fundamentalVolts(nodes - 1);
    if (top == 0) return std::nullopt;
    modes.fundamentalVolts /= top;
    return modes;
}

} // namespace qv::field
