#pragma once
// The Coil Analysis' figures as two tables: the sheets' classic figure beside the coil as it
// stands for every quantity both give, then the figures only the field solution has. The Coil
// Analysis window and the printed report both read them, so they name and format a figure alike.

#include "core/format.h"
#include "core/length_unit.h"
#include "field/coil_field.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace qv {

struct Calculator;

struct ComparedFigureRow {
    const char* caption;
    const char* unit; // empty for a plain number
    double (*classic)(const Calculator& calc);
    field::Figure field::Analysis::*solved;
    Format format;
};

struct SolvedFigureRow {
    const char* caption;
    const char* unit; // in inches
    field::Figure field::Analysis::*solved;
    Format format;
    LengthQuantity quantity = LengthQuantity::None; // a length follows the calculator's unit

    // The unit and the figure as the calculator's unit shows them.
    std::string_view unitIn(LengthUnit shown) const
    {
        return quantity == LengthQuantity::None ? std::string_view(unit) : unitCaption(quantity, shown);
    }
    double valueIn(double solvedValue, LengthUnit shown) const { return shownValue(solvedValue, quantity, shown); }
};

inline constexpr std::size_t kComparedFigureCount = 7;
extern const std::array<ComparedFigureRow, kComparedFigureCount> kComparedFigureRows;
extern const std::array<SolvedFigureRow, 7> kSolvedFigureRows;

} // namespace qv
