#include "field/secondary_field.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv::field {
namespace {

// Where the floor, the ceiling and the winding come nearest the toroid's tube.
std::vector<Approach> tubeApproaches(const CoilModel& model)
{
    const double tubeRadius = model.tubeDiameterM / 2;
    const double ringRadius = model.ringDiameterM / 2;
    const double windingTop = model.secondaryBottomM + model.secondaryHeightM;
    const double centreHeight = topLoadCentreM(model);
    std::vector<Approach> approaches{{-std::numbers::pi / 2, centreHeight - tubeRadius}};
    if (model.ceilingM) approaches.push_back({std::numbers::pi / 2, *model.ceilingM - centreHeight - tubeRadius});
    // The winding's nearest point to the tube's centre, on the sheet from its bottom to its top.
    const double dr = model.secondaryRadiusM - ringRadius;
    const double dz = std::clamp(centreHeight, model.secondaryBottomM, windingTop) - centreHeight;
    approaches.push_back({std::atan2(dz, dr), std::hypot(dr, dz) - tubeRadius});
    return approaches;
}

std::vector<Panel> topLoadPanels(const CoilModel& model, const Discretisation& cuts)
{
    switch (model.topLoad) {
    case TopLoadShape::Toroid:
        return torusPanels(model.ringDiameterM / 2, model.tubeDiameterM / 2, topLoadCentreM(model), cuts.torusPanels,
                           tubeApproaches(model));
    case TopLoadShape::Sphere:
        return spherePanels(model.sphereRadiusM, topLoadCentreM(model), cuts.spherePanels);
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

double topLoadCentreM(const CoilModel& model)
{
    const double lowestM = model.secondaryBottomM + model.secondaryHeightM + model.clearanceM;
    return lowestM + (model.topLoad == TopLoadShape::Sphere ? model.sphereRadiusM : model.tubeDiameterM / 2);
}

double distanceToTopLoadM(const CoilModel& model, double r, double z)
{
    switch (model.topLoad) {
    case TopLoadShape::Toroid:
        return std::hypot(r - model.ringDiameterM / 2, z - topLoadCentreM(model)) - model.tubeDiameterM / 2;
    case TopLoadShape::Sphere:
        return std::hypot(r, z - topLoadCentreM(model)) - model.sphereRadiusM;
    case TopLoadShape::None:
        break;
    }
    return INFINITY;
}

SecondaryField::SecondaryField(const CoilModel& model, const Discretisation& cuts, bool withTopLoad)
    : panels_(windingPanels(model.secondaryRadiusM, model.secondaryBottomM, model.secondaryHeightM, cuts.windingPanels,
                            model.ceilingM.value_or(INFINITY) - model.secondaryBottomM - model.secondaryHeightM)),
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
