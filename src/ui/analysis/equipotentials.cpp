#include "ui/analysis/equipotentials.h"

#include <array>
#include <cmath>
#include <cstddef>

namespace qv {
namespace {

struct GridPoint {
    double rM;
    double zM;
    double value;
};

// The cell's corners in order round its edges: lower left, lower right, upper right, upper left.
std::array<GridPoint, 4> cellCorners(const field::PotentialMap& map, int column, int row)
{
    const double dr = map.rMaxM / (map.columns - 1);
    const double dz = map.zMaxM / (map.rows - 1);
    auto at = [&](int c, int r) {
        const auto index = static_cast<std::size_t>(r) * static_cast<std::size_t>(map.columns) + static_cast<std::size_t>(c);
        return GridPoint{c * dr, r * dz, map.potential[index]};
    };
    return {at(column, row), at(column + 1, row), at(column + 1, row + 1), at(column, row + 1)};
}

// Where the level crosses the edges of one cell, in edge order (none, two, or four at a saddle).
std::vector<GridPoint> crossings(const std::array<GridPoint, 4>& corners, double level)
{
    std::vector<GridPoint> points;
    for (std::size_t edge = 0; edge < corners.size(); ++edge) {
        const GridPoint& a = corners[edge];
        const GridPoint& b = corners[(edge + 1) % corners.size()];
        if ((a.value >= level) == (b.value >= level)) continue;
        const double t = (level - a.value) / (b.value - a.value);
        points.push_back({a.rM + t * (b.rM - a.rM), a.zM + t * (b.zM - a.zM), level});
    }
    return points;
}

bool hasValues(const std::array<GridPoint, 4>& corners)
{
    for (const GridPoint& corner : corners)
        if (!std::isfinite(corner.value)) return false;
    return true;
}

} // namespace

std::vector<EquipotentialSegment> equipotentialSegments(const field::PotentialMap& map, std::span<const double> levels)
{
    std::vector<EquipotentialSegment> segments;
    const auto cells = static_cast<std::size_t>(map.columns) * static_cast<std::size_t>(map.rows);
    if (map.columns < 2 || map.rows < 2 || map.potential.size() != cells) return segments;
    for (int row = 0; row + 1 < map.rows; ++row) {
        for (int column = 0; column + 1 < map.columns; ++column) {
            const auto corners = cellCorners(map, column, row);
            if (!hasValues(corners)) continue;
            for (const double level : levels) {
                const auto points = crossings(corners, level);
                for (std::size_t i = 0; i + 1 < points.size(); i += 2)
                    segments.push_back({level, points[i].rM, points[i].zM, points[i + 1].rM, points[i + 1].zM});
            }
        }
    }
    return segments;
}

} // namespace qv
