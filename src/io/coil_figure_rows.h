#pragma once
// The Coil Analysis' figures as two tables: the sheets' classic figure beside the coil as it
// stands for every quantity both give, then the figures only the field solution has. The Coil
// Analysis window and the printed report both read them, so they name and format a figure alike.

#include "core/format.h"
#include "field/coil_field.h"

#include <array>
#include <cstddef>

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
    const char* unit;
    field::Figure field::Analysis::*solved;
    Format format;
};

inline constexpr std::size_t kComparedFigureCount = 7;
extern const std::array<ComparedFigureRow, kComparedFigureCount> kComparedFigureRows;
extern const std::array<SolvedFigureRow, 7> kSolvedFigureRows;

} // namespace qv
