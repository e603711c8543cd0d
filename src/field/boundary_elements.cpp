#include "field/boundary_elements.h"

#include "field/constants.h"
#include "field/elliptic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv::field {

double Panel::lengthM() const { return std::sqrt((r1 - r0) * (r1 - r0) + (z1 - z0) * (z1 - z0)); }
double Panel::areaM2() const { return 2 * std::numbers::pi * midR() * lengthM(); }

namespace {

// Panel boundaries crowd towards both ends, where the charge density rises.
double gradedFraction(double u) { return 0.2 * u + 0.4 * (1 - std::cos(std::numbers::pi * u)); }

double ringKernel(double rs, double zs, double r, double z) { return rs * ringGreen(rs, zs, r, z); }

// The integral of r_s K / rho along the panel from fraction `from` to `to` of its length (m).
double gaussAlong(const Panel& panel, double from, double to, int points, double r, double z)
{
    const GaussRule& rule = gaussRule(points);
    const double half = (to - from) / 2;
    const double centre = (to + from) / 2;
    double sum = 0;
    for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
        const double u = centre + half * rule.nodes[i];
        sum += rule.weights[i] * ringKernel(panel.r0 + u * (panel.r1 - panel.r0), panel.z0 + u * (panel.z1 - panel.z0), r, z);
    }
    return sum * half * panel.lengthM();
}

} // namespace

double ringGreen(double rs, double zs, double r, double z)
{
    // A point exactly on the ring would give ln(0): 1e-300 keeps K finite (about 345) there.
    constexpr double kSmallestComplement = 1e-300;
    const double dz = z - zs;
    const double sum = rs + r;
    const double difference = rs - r;
    const double rhoSquared = sum * sum + dz * dz;
    const double complement = std::max((difference * difference + dz * dz) / rhoSquared, kSmallestComplement);
    return ellipticKFromComplement(complement) / std::sqrt(rhoSquared);
}

double panelIntegral(const Panel& panel, double r, double z)
{
    constexpr int kNearPoints = 16;
    const double dr = r - panel.midR();
    const double dz = z - panel.midZ();
    const double distanceSquared = dr * dr + dz * dz;
    const double length = panel.lengthM();
    const auto within = [&](double lengths) { return distanceSquared < lengths * lengths * length * length; };
    if (within(2)) return gaussAlong(panel, 0, 0.5, kNearPoints, r, z) + gaussAlong(panel, 0.5, 1, kNearPoints, r, z);
    const int points = within(4) ? 8 : within(10) ? 4 : 2;
    return gaussAlong(panel, 0, 1, points, r, z);
}

namespace {

// The panel's own midpoint: near t = 0 (t the distance along the panel) K ~ ln(4 rho / |t|) and
// r_s / rho -> 1/2, so the integrand carries -(1/2) ln|t|. Integrate the rest by Gauss on each half
// and add the subtracted term's integral over [-L/2, L/2]: -(1/2) L (ln(L/2) - 1).
double ownPanelIntegral(const Panel& panel)
{
    constexpr int kPoints = 16;
    const GaussRule& rule = gaussRule(kPoints);
    const double length = panel.lengthM();
    const double quarter = length / 4;
    double sum = 0;
    for (const double side : {-1.0, 1.0}) {
        for (std::size_t i = 0; i < rule.nodes.size(); ++i) {
            const double t = side * quarter * (1 + rule.nodes[i]); // from the midpoint outwards
            const double u = 0.5 + t / length;
            const double kernel = ringKernel(panel.r0 + u * (panel.r1 - panel.r0), panel.z0 + u * (panel.z1 - panel.z0),
                                             panel.midR(), panel.midZ());
            sum += rule.weights[i] * quarter * (kernel + 0.5 * std::log(std::abs(t)));
        }
    }
    return sum - 0.5 * length * (std::log(length / 2) - 1);
}

Panel shifted(const Panel& panel, double shiftM, bool reflected) { return Image{1, shiftM, reflected}.of(panel); }

} // namespace

Panel Image::of(const Panel& panel) const
{
    if (reflected) return {panel.r0, shiftM - panel.z0, panel.r1, shiftM - panel.z1};
    return {panel.r0, panel.z0 + shiftM, panel.r1, panel.z1 + shiftM};
}

std::vector<Image> images(const Ground& ground, int ceilingPairs)
{
    std::vector<Image> all{{1, 0, false}};
    if (!ground.floor) return all;
    all.push_back({-1, 0, true});
    if (!ground.ceilingM) return all;
    const double period = 2 * *ground.ceilingM;
    for (int n = 1; n <= ceilingPairs; ++n)
        for (const double shift : {n * period, -n * period}) {
            all.push_back({1, shift, false});
            all.push_back({-1, shift, true});
        }
    return all;
}

std::vector<Panel> windingPanels(double radiusM, double bottomM, double heightM, int count)
{
    std::vector<Panel> panels;
    for (int i = 0; i < count; ++i) {
        const double from = bottomM + heightM * gradedFraction(static_cast<double>(i) / count);
        const double to = bottomM + heightM * gradedFraction(static_cast<double>(i + 1) / count);
        panels.push_back({radiusM, from, radiusM, to});
    }
    return panels;
}

std::vector<Panel> torusPanels(double ringRadiusM, double tubeRadiusM, double centreHeightM, int count)
{
    std::vector<Panel> panels;
    const auto at = [&](int i) {
        const double angle = 2 * std::numbers::pi * i / count;
        return std::pair{ringRadiusM + tubeRadiusM * std::cos(angle), centreHeightM + tubeRadiusM * std::sin(angle)};
    };
    for (int i = 0; i < count; ++i) {
        const auto [r0, z0] = at(i);
        const auto [r1, z1] = at(i + 1);
        panels.push_back({r0, z0, r1, z1});
    }
    return panels;
}

std::vector<Panel> spherePanels(double radiusM, double centreHeightM, int count)
{
    std::vector<Panel> panels;
    const auto at = [&](int i) {
        const double polar = std::numbers::pi * gradedFraction(static_cast<double>(i) / count);
        return std::pair{radiusM * std::sin(polar), centreHeightM - radiusM * std::cos(polar)};
    };
    for (int i = 0; i < count; ++i) {
        const auto [r0, z0] = at(i);
        const auto [r1, z1] = at(i + 1);
        panels.push_back({r0, z0, r1, z1});
    }
    return panels;
}

double panelPotentialIntegral(const Panel& panel, double r, double z, const Ground& ground, bool ownMidpoint)
{
    // A charge at height z between grounded planes at 0 and H has images of the same sign at
    // z + 2nH and of opposite sign at -z + 2nH for every integer n; without a ceiling only n = 0.
    double total = ownMidpoint ? ownPanelIntegral(panel) : panelIntegral(panel, r, z);
    if (!ground.floor) return total;
    total -= panelIntegral(shifted(panel, 0, true), r, z);
    if (!ground.ceilingM) return total;
    constexpr int kMaxPairs = 1000;
    constexpr double kRelativeTolerance = 1e-7; // a further pair no longer moves the entry
    const double period = 2 * *ground.ceilingM;
    for (int n = 1; n <= kMaxPairs; ++n) {
        double term = 0;
        for (const double shift : {n * period, -n * period})
            term += panelIntegral(shifted(panel, shift, false), r, z) - panelIntegral(shifted(panel, shift, true), r, z);
        total += term;
        if (std::abs(term) < kRelativeTolerance * std::abs(total)) break;
    }
    return total;
}

Eigen::MatrixXd potentialMatrix(const std::vector<Panel>& panels, const Ground& ground)
{
    // phi_i = sum_j sigma_j / (pi eps0) integral over panel j of r_s K / rho ds.
    const double scale = 1 / (std::numbers::pi * kEpsilon0);
    const auto count = static_cast<Eigen::Index>(panels.size());
    Eigen::MatrixXd a(count, count);
    for (Eigen::Index i = 0; i < count; ++i) {
        const Panel& at = panels[static_cast<std::size_t>(i)];
        for (Eigen::Index j = 0; j < count; ++j)
            a(i, j) = scale * panelPotentialIntegral(panels[static_cast<std::size_t>(j)], at.midR(), at.midZ(), ground, i == j);
    }
    return a;
}

Eigen::MatrixXd nodeCapacitance(const std::vector<Panel>& panels, const Eigen::PartialPivLU<Eigen::MatrixXd>& potential,
                                const Eigen::MatrixXd& nodeWeights)
{
    Eigen::VectorXd area(static_cast<Eigen::Index>(panels.size()));
    for (std::size_t p = 0; p < panels.size(); ++p) area(static_cast<Eigen::Index>(p)) = panels[p].areaM2();
    const Eigen::MatrixXd densities = potential.solve(nodeWeights);
    const Eigen::MatrixXd c = nodeWeights.transpose() * area.asDiagonal() * densities;
    return (c + c.transpose()) / 2;
}

} // namespace qv::field
