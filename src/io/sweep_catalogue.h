#pragma once
// What a sweep can vary and what it can read: every input and figure of the program under the
// name the batch front end knows it by, with a caption and a unit for a table or a plot. Each
// kind of input or figure adds its own table's rows; a new table joins with one loop here.

#include "core/form.h"
#include "core/length_unit.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace qv {

struct Calculator;

enum class SweepInputKind : std::uint8_t {
    SheetField, // a typed input field of the sheets (--set)
    Geometry,   // where the coil stands (--geometry)
    Tank,       // a Tank Circuit input (--tank)
};

struct SweepInput {
    SweepInputKind kind;
    std::size_t row; // the FieldId, or the row of the geometry or tank table
    std::string name;
    std::string caption;
    std::string unit;                               // the unit its values are in (see unitIn)
    LengthQuantity quantity = LengthQuantity::None; // a length follows the calculator's unit
};

enum class SweepFigureKind : std::uint8_t {
    SheetResult, // a result field of the sheets (--fields)
    Analysis,    // a figure of the field solution (--analysis)
    Tank,        // a Tank Circuit figure (--tank-figures)
};

struct SweepFigure {
    SweepFigureKind kind;
    std::size_t row; // the FieldId, or the row of the analysis or tank table
    std::string name;
    std::string caption;
    std::string unit;                               // empty for a plain number (see unitIn)
    LengthQuantity quantity = LengthQuantity::None; // a length follows the calculator's unit
};

// The input or figure as a session showing lengths in `unit` speaks of it: a length's unit is
// that session's, any other stays as it is.
template <typename Entry> Entry unitIn(Entry entry, LengthUnit unit)
{
    if (entry.quantity != LengthQuantity::None) entry.unit = unitCaption(entry.quantity, unit);
    return entry;
}

// Every input a sweep can vary, the sheets' first, in the order the batch front end lists them.
const std::vector<SweepInput>& sweepInputs();
// Every figure a sweep can read: the sheets' results, the field solution's, the Tank Circuit's.
const std::vector<SweepFigure>& sweepFigures();

const SweepInput* sweepInputByName(std::string_view name);
const SweepFigure* sweepFigureByName(std::string_view name);

// "Primary Coil: Total Turns (turns)": what a table header or an axis says about a quantity.
std::string labelWithUnit(std::string_view caption, std::string_view unit);

// The input's value in the design as it stands: in its variable's own unit, and in the
// calculator's.
double storedInputValue(const Calculator& calc, const SweepInput& input);
double currentValue(const Calculator& calc, const SweepInput& input);
// Why a person could not type into the input now (a disabled or hidden field), or empty.
std::string inputUnavailable(const Calculator& calc, const SweepInput& input);

// Whether reading the figure needs the field solution.
bool needsFieldSolution(const SweepFigure& figure);

} // namespace qv
