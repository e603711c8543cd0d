// The drawing's field: the loaded quarter-wave mode's potential on a grid of the (r, z) half-plane.
// Tens of thousands of points each see every panel and its images, so a distant group of panels is
// taken as two rings that carry its charge, centre and spread (a tree of panels, as in Barnes and
// Hut's method).

#include "field/coil_field.h"

#include "field/constants.h"
#include "field/current_sheet.h"
#include "field/model_checks.h"
#include "field/resonance.h"
#include "field/secondary_field.h"

#include <cmath>
#include <exception>
#include <limits>
#include <numbers>

namespace qv::field {
namespace {

// A group is taken as two rings when the point is this many group radii away: on the default coil
// the drawn potential is then within 0.35 % of the top's voltage of the full panel sum everywhere,
// finer than a drawn line.
constexpr double kOpeningRatio = 4;
// From the opening out to this multiple of it the rings take over gradually.
constexpr double kBlendRatio = 1.5;
// A drawing needs about 1e-4: eight pairs of the ceiling's images reach that.
constexpr int kCeilingPairs = 8;
constexpr int kMaxGridSide = 4000;

struct Group {
    int first, last; // panel indices [first, last)
    double charge = 0;
    double r = 0, z = 0, radius = 0;
    double spreadR = 0, spreadZ = 0; // the charge's spread about its centre along its long axis
    int lower = -1, upper = -1; // the halves, or -1 for one panel
};

class ChargeTree {
public:
    ChargeTree(const std::vector<Panel>& panels, const Eigen::VectorXd& densities, int first, int last)
        : panels_(panels), densities_(densities)
    {
        build(first, last);
    }

    // 4 pi eps0 (pi / 2) times the potential at (r, z) of the group's charges seen through the image.
    double potential(double r, double z, const Image& image) const { return visit(0, r, z, image); }

private:
    int build(int first, int last)
    {
        // The group's charge centre and the spread of its charge about it (weighted by |q|, so a
        // group of one sign is matched to its quadrupole along its long axis).
        const int index = static_cast<int>(groups_.size());
        groups_.push_back({first, last});
        double weight = 0, r = 0, z = 0, rr = 0, rz = 0, zz = 0, charge = 0;
        for (int p = first; p < last; ++p) {
            const Panel& panel = panels_[static_cast<std::size_t>(p)];
            const double q = densities_(p) * panel.areaM2();
            const double w = std::abs(q) + std::numeric_limits<double>::min(); // an uncharged group has its middle
            // A panel's own spread along itself: L^2 / 12 of a uniform segment.
            const double dr = panel.r1 - panel.r0, dz = panel.z1 - panel.z0;
            charge += q;
            weight += w;
            r += w * panel.midR();
            z += w * panel.midZ();
            rr += w * (panel.midR() * panel.midR() + dr * dr / 12);
            rz += w * (panel.midR() * panel.midZ() + dr * dz / 12);
            zz += w * (panel.midZ() * panel.midZ() + dz * dz / 12);
        }
        Group& g = groups_[static_cast<std::size_t>(index)];
        g.charge = charge;
        g.r = r / weight;
        g.z = z / weight;
        const Eigen::SelfAdjointEigenSolver<Eigen::Matrix2d> spread(
            (Eigen::Matrix2d() << rr / weight - g.r * g.r, rz / weight - g.r * g.z, rz / weight - g.r * g.z,
             zz / weight - g.z * g.z)
                .finished());
        const double along = std::sqrt(std::max(spread.eigenvalues()(1), 0.0));
        g.spreadR = along * spread.eigenvectors()(0, 1);
        g.spreadZ = along * spread.eigenvectors()(1, 1);
        for (int p = first; p < last; ++p) {
            const Panel& panel = panels_[static_cast<std::size_t>(p)];
            g.radius = std::max({g.radius, std::hypot(panel.r0 - g.r, panel.z0 - g.z), std::hypot(panel.r1 - g.r, panel.z1 - g.z)});
        }
        if (last - first > 1) {
            const int middle = (first + last) / 2;
            const int lower = build(first, middle);
            const int upper = build(middle, last);
            groups_[static_cast<std::size_t>(index)].lower = lower;
            groups_[static_cast<std::size_t>(index)].upper = upper;
        }
        return index;
    }

    double visit(int index, double r, double z, const Image& image) const
    {
        const Group& g = groups_[static_cast<std::size_t>(index)];
        const double gz = image.reflected ? image.shiftM - g.z : g.z + image.shiftM;
        const double opening = kOpeningRatio * g.radius;
        const double distance = std::hypot(r - g.r, z - gz);
        if (distance <= opening) return closeUp(g, r, z, image);
        // Two rings of half the charge, one spread either side of the centre.
        const double spreadZ = image.reflected ? -g.spreadZ : g.spreadZ;
        const double rings = image.sign * g.charge / 2 *
                             (ringGreen(g.r + g.spreadR, gz + spreadZ, r, z) + ringGreen(g.r - g.spreadR, gz - spreadZ, r, z));
        const double blendEnd = kBlendRatio * opening;
        if (distance >= blendEnd) return rings;
        // Across the band the two forms are blended smoothly, so the drawn potential has no step
        // (a step where the rings take over bends a weak equipotential line into a hook).
        const double t = (distance - opening) / (blendEnd - opening);
        const double w = t * t * (3 - 2 * t);
        return w * rings + (1 - w) * closeUp(g, r, z, image);
    }

    // The group's potential from its panels, or its halves.
    double closeUp(const Group& g, double r, double z, const Image& image) const
    {
        if (g.lower < 0) {
            // sigma 2 pi integral of r_s K / rho ds = q K / rho for the panel's charge spread along it.
            const Panel& panel = panels_[static_cast<std::size_t>(g.first)];
            return image.sign * densities_(g.first) * 2 * std::numbers::pi * panelIntegral(image.of(panel), r, z);
        }
        return visit(g.lower, r, z, image) + visit(g.upper, r, z, image);
    }

    const std::vector<Panel>& panels_;
    const Eigen::VectorXd& densities_;
    std::vector<Group> groups_;
};

std::string gridProblem(double rMaxM, double zMaxM, int columns, int rows)
{
    if (!(rMaxM > 0 && zMaxM > 0) || !std::isfinite(rMaxM) || !std::isfinite(zMaxM)) return "The drawing has no area";
    if (columns < 2 || rows < 2 || columns > kMaxGridSide || rows > kMaxGridSide)
        return "The drawing's grid must have between 2 and 4000 columns and rows";
    return {};
}

// The potential at every grid point outside the top load; NaN inside it.
void fillGrid(const CoilModel& model, const SecondaryField& field, const Eigen::VectorXd& densities, PotentialMap& map)
{
    const ChargeTree tree(field.panels(), densities, 0, static_cast<int>(field.panels().size()));
    const std::vector<Image> all = images(field.ground(), kCeilingPairs);
    // potential = (1 / (4 pi eps0)) (2 / pi) sum q K / rho
    const double scale = 1 / (2 * std::numbers::pi * std::numbers::pi * kEpsilon0);
    map.potential.assign(static_cast<std::size_t>(map.columns) * static_cast<std::size_t>(map.rows),
                         std::numeric_limits<double>::quiet_NaN());
    for (int row = 0; row < map.rows; ++row) {
        const double z = map.zMaxM * row / (map.rows - 1);
        for (int column = 0; column < map.columns; ++column) {
            const double r = map.rMaxM * column / (map.columns - 1);
            if (distanceToTopLoadM(model, r, z) < 0) continue;
            double sum = 0;
            for (const Image& image : all) sum += tree.potential(r, z, image);
            map.potential[static_cast<std::size_t>(row) * static_cast<std::size_t>(map.columns) +
                          static_cast<std::size_t>(column)] = scale * sum;
        }
    }
}

} // namespace

PotentialMap loadedPotential(const CoilModel& model, double rMaxM, double zMaxM, int columns, int rows,
                             const Discretisation& cuts)
{
    PotentialMap map;
    try {
        const ModelProblems problems = modelProblems(model, cuts);
        for (const std::string& problem : {problems.secondary, problems.topLoad, gridProblem(rMaxM, zMaxM, columns, rows)})
            if (!problem.empty()) {
                map.status = problem;
                return map;
            }
        const SecondaryField field(model, cuts, model.topLoad != TopLoadShape::None);
        const std::optional<WindingModes> modes =
            windingModes(field.loadedCapacitanceF(),
                         segmentInductanceMatrix(model.secondaryRadiusM, model.secondaryHeightM, model.secondaryTurns,
                                                 cuts.windingSegments),
                         1);
        if (!modes) {
            map.status = "The field solution did not converge for this geometry";
            return map;
        }
        map.rMaxM = rMaxM;
        map.zMaxM = zMaxM;
        map.columns = columns;
        map.rows = rows;
        map.windingVoltage.push_back(0);
        map.windingVoltage.insert(map.windingVoltage.end(), modes->fundamentalVolts.begin(), modes->fundamentalVolts.end());

        fillGrid(model, field, field.loadedDensities(modes->fundamentalVolts), map);
    } catch (const std::exception&) {
        map = PotentialMap{};
        map.status = "The field solution ran out of memory for this drawing";
    }
    return map;
}

} // namespace qv::field
