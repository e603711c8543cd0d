#pragma once
// The secondary's conducting surfaces in their surroundings: the winding in segments, the top load
// at the top node's potential, the floor and ceiling as images. The potential matrix is built once
// for the loaded coil; the bare coil's is its winding block.

#include "field/boundary_elements.h"
#include "field/coil_field.h"

#include <Eigen/Dense>

#include <vector>

namespace qv::field {

// The height (m) of the top load's centre: the toroid's tube centre circle or the sphere's centre.
double topLoadCentreM(const CoilModel& model);
// The distance (m) from (r, z) to the top load's surface, negative inside; infinite without one.
double distanceToTopLoadM(const CoilModel& model, double r, double z);

class SecondaryField {
public:
    // withTopLoad: the model's top load (if any) joins the surfaces.
    SecondaryField(const CoilModel& model, const Discretisation& cuts, bool withTopLoad);

    Eigen::MatrixXd bareCapacitanceF() const;
    Eigen::MatrixXd loadedCapacitanceF() const;
    // Panel surface charge densities (C/m^2) of the loaded coil with these node voltages.
    Eigen::VectorXd loadedDensities(const Eigen::VectorXd& nodeVolts) const;

    const std::vector<Panel>& panels() const { return panels_; }
    const Ground& ground() const { return ground_; }

private:
    std::vector<Panel> panels_; // the winding's first, bottom to top, then the top load's
    Eigen::Index windingPanels_;
    Ground ground_;
    Eigen::MatrixXd potential_;
    Eigen::MatrixXd nodeWeights_;
    Eigen::PartialPivLU<Eigen::MatrixXd> loaded_;
};

} // namespace qv::field
