#pragma once
// Axisymmetric boundary elements: every conducting surface is a curve in the (r, z) half-plane cut
// into straight panels of constant surface charge density, rotated about the axis; the potential is
// matched at each panel's midpoint. A grounded floor (z = 0) and ceiling act through image charges.

#include <Eigen/Dense>

#include <limits>
#include <optional>
#include <vector>

namespace qv::field {

struct Panel {
    double r0, z0, r1, z1; // metres
    double midR() const { return (r0 + r1) / 2; }
    double midZ() const { return (z0 + z1) / 2; }
    double lengthM() const;
    double areaM2() const; // of the band the panel sweeps round the axis
};

// The closest a grounded plane may come to a surface, as a fraction of its size, for the default
// panels to stay within 0.3 % of four times as many in f1 and the top load's capacitance: a toroid's
// tube radius (panels crowd no further, either, as for a toroid resting on its own winding), a
// sphere's radius, and the winding's length under a ceiling. Closer, the figures are refused.
inline constexpr double kTubeClosestGapPerRadius = 1.0 / 50;
inline constexpr double kSphereClosestGapPerRadius = 1.0 / 300;
inline constexpr double kWindingClosestGapPerLength = 1e-4;

// The winding from height b to b + h at radius a, graded towards both ends:
// boundaries at u -> 0.2 u + 0.4 (1 - cos pi u) on [0, 1]. A grounded plane a small gap above the top
// end draws the charge to the edge: the top panel is then halved towards the edge until it is an
// eighth of the gap.
std::vector<Panel> windingPanels(double radiusM, double bottomM, double heightM, int count,
                                 double gapAboveTopM = std::numeric_limits<double>::infinity());
// Where another surface comes nearest a torus's tube: the angle round the tube's centre (0 outwards,
// pi/2 straight up) and the gap (m).
struct Approach {
    double angleRadians;
    double gapM;
};
// A torus's tube of radius rt round the circle of radius R at height zc: equal panels, or panels
// crowded towards each close approach, as finely as the charge gathers in the gap.
std::vector<Panel> torusPanels(double ringRadiusM, double tubeRadiusM, double centreHeightM, int count,
                               const std::vector<Approach>& approaches = {});
// A sphere's meridian from its lowest to its highest pole, graded towards the poles.
std::vector<Panel> spherePanels(double radiusM, double centreHeightM, int count);

struct Ground {
    bool floor = true;              // a grounded plane at z = 0
    std::optional<double> ceilingM; // and a second one here (only with the floor)
};

// K(m) / rho (1/m) for a ring of radius rs at height zs seen from (r, z), with
// rho^2 = (rs + r)^2 + (z - zs)^2 and 1 - m = ((rs - r)^2 + (z - zs)^2) / rho^2.
// A ring of charge q has the potential q / (4 pi eps0) (2/pi) K(m) / rho.
double ringGreen(double rs, double zs, double r, double z);

// The integral (m) of r_s K / rho along the panel, seen from (r, z) off its own midpoint; far panels
// take few Gauss points, a near one (closer than two of its lengths) is split in halves.
double panelIntegral(const Panel& panel, double r, double z);

// One image of a charge: its sign, and its height shifted or reflected (z -> shift - z).
struct Image {
    double sign;
    double shiftM;
    bool reflected;
    Panel of(const Panel& panel) const;
};
// The n-th pair of the ceiling's images (n >= 1), four charges in all.
std::vector<Image> ceilingPair(double ceilingM, int n);
// The charge itself, the floor's image and the first pairs of the ceiling's series.
std::vector<Image> images(const Ground& ground, int ceilingPairs);

// A(i, j): the potential (V) at panel i's midpoint of a unit density (C/m^2) on panel j.
Eigen::MatrixXd potentialMatrix(const std::vector<Panel>& panels, const Ground& ground);

// The capacitance matrix (F) of the nodes, with nodeWeights(p, n) the share of node n's voltage in
// panel p's potential: C = B^T diag(area) A^-1 B, made exactly symmetric.
Eigen::MatrixXd nodeCapacitance(const std::vector<Panel>& panels, const Eigen::PartialPivLU<Eigen::MatrixXd>& potential,
                                const Eigen::MatrixXd& nodeWeights);

} // namespace qv::field
