#include "field/secondary_field.h"

#include <algorithm>
#include <cmath>

namespace qv::field {
namespace {

std::vector<Panel> topLoadPanels(const CoilModel& model, const Discretisation& cuts)
{
    const double base = model.secondaryBottomM + model.secondaryHeightM + model.clearanceM;
    switch (model.topLoad) {
    case TopLoadShape::Toroid: {
        const double tubeRadius = model.tubeDiameterM / 2;
        return torusPanels(model.ringDiameterM / 2, tubeRadius, base + tubeRadius, cuts.torusPanels);
    }
    case TopLoadShape::Sphere:
        return spherePanels(model.sphereRadiusM, base + model.sphereRadiusM, cuts.spherePanels);
    case TopLoadShape::None:
        break;
    }
    return {};
}

// B(p, n): a winding panel takes the voltage interpolated linearly between the nodes below and above
// its midpoint (the bottom end is grounded); every top-load panel takes the top node's voltage.
Eigen::MatrixXd nodeWeights(const std::vector<Panel>& panels, Eigen::Index windingPanels, const CoilModel& model,
                            int segments)
{
    const auto count = static_cast<Eigen::Index>(panels.size());
    Eigen::MatrixXd b = Eigen::MatrixXd::Zero(count, segments);
    const double segmentM = model.secondaryHeightM / segments;
    for (Eigen::Index p = 0; p < windingPanels; ++p) {
        const double position = (panels[static_cast<std::size_t>(p)].midZ() - model.secondaryBottomM) / segmentM;
        const int segment = std::clamp(static_cast<int>(std::floor(position)), 0, segments - 1);
        const double fraction = position - segment;
        b(p, segment) += fraction;
        if (segment > 0) b(p, segment - 1) += 1 - fraction;
    }
    for (Eigen::Index p = windingPanels; p < count; ++p) b(p, segments - 1) = 1;
    return b;
}

} // namespace

SecondaryField::SecondaryField(const CoilModel& model, const Discretisation& cuts, bool withTopLoad)
    : panels_(windingPanels(model.secondaryRadiusM, model.secondaryBottomM, model.secondaryHeightM, cuts.windingPanels)),
      windingPanels_(static_cast<Eigen::Index>(panels_.size())), ground_{true, model.ceilingM}
{
    if (withTopLoad) {
        const std::vector<Panel> top = topLoadPanels(model, cuts);
        panels_.insert(panels_.end(), top.begin(), top.end());
    }
    potential_ = potentialMatrix(panels_, ground_);
    nodeWeights_ = nodeWeights(panels_, windingPanels_, model, cuts.windingSegments);
    loaded_.compute(potential_);
}

Eigen::MatrixXd SecondaryField::bareCapacitanceF() const
{
    const std::vector<Panel> winding(panels_.begin(), panels_.begin() + windingPanels_);
    const Eigen::PartialPivLU<Eigen::MatrixXd> bare(potential_.topLeftCorner(windingPanels_, windingPanels_));
    return nodeCapacitance(winding, bare, nodeWeights_.topRows(windingPanels_));
}

Eigen::MatrixXd SecondaryField::loadedCapacitanceF() const { return nodeCapacitance(panels_, loaded_, nodeWeights_); }

Eigen::VectorXd SecondaryField::loadedDensities(const Eigen::VectorXd& nodeVolts) const
{
    return loaded_.solve(nodeWeights_ * nodeVolts);
}

} // namespace qv::field
