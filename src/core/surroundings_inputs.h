#pragma once
// The geometry inputs of the Coil Analysis: where the coil stands. One table gives each input's
// name on the command line, its caption in the window, its label in the design file, the design
// member it sets, the rule a value must meet and the format it is shown in; the window, the batch
// front end and the design file all read it.

#include "core/design.h"
#include "core/format.h"
#include "core/input_rows.h"
#include "core/length_unit.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct Form;

enum class SurroundingsRule : std::uint8_t {
    NotNegative, // a height or length in inches, 0 allowed
    AboveFloor,  // a height above the winding's bottom, negative down to the floor (a raised secondary)
    Ceiling,     // 0 for none, else above the top load's top
    Fraction,    // strictly between 0 and 1
};

struct SurroundingsInput {
    std::string_view name;      // --geometry NAME=VALUE
    std::string_view caption;   // the window's caption
    LengthQuantity quantity;    // a length in inches, or a plain number
    std::string_view fileLabel; // the label line of its design-file record (at most 55 characters)
    double Surroundings::*value;
    SurroundingsRule rule;
    Format format;
    Format metricFormat; // a length in millimetres, no coarser than the inch format
};

inline constexpr std::array<SurroundingsInput, 6> kSurroundingsInputs{{
    {"base", "Winding bottom above floor", LengthQuantity::LengthInches, "Secondary Winding Bottom Above Floor (IN)",
     &Surroundings::baseHeightInches, SurroundingsRule::NotNegative, "%4.2f", "%6.2f"},
    {"clearance", "Top load above winding top", LengthQuantity::LengthInches, "Top Load Clearance Above Winding Top (IN)",
     &Surroundings::clearanceInches, SurroundingsRule::NotNegative, "%4.2f", "%6.2f"},
    {"primary", "Primary above winding bottom", LengthQuantity::LengthInches, "Primary Inner Turn Above Winding Bottom (IN)",
     &Surroundings::primaryHeightInches, SurroundingsRule::AboveFloor, "%4.2f", "%6.2f"},
    {"ceiling", "Ceiling above floor (0: none)", LengthQuantity::LengthInches, "Grounded Ceiling Above Floor (IN) 0 = None",
     &Surroundings::ceilingHeightInches, SurroundingsRule::Ceiling, "%4.2f", "%6.2f"},
    {"streamer", "Expected streamer length", LengthQuantity::LengthInches, "Expected Streamer Length (IN)",
     &Surroundings::streamerLengthInches, SurroundingsRule::NotNegative, "%4.2f", "%6.2f"},
    {"targetk", "Target coupling k", LengthQuantity::None, "Target Coupling Coefficient k",
     &Surroundings::targetK, SurroundingsRule::Fraction, "%4.3f", "%4.3f"},
}};

// The input of that command-line name, or nullptr.
const SurroundingsInput* surroundingsInputByName(std::string_view name);

// Which top load stands on the coil: the Topload C sheet's shape, when the primary sheet's
// W/Top Load C box says the top load is on.
enum class TopLoadPlacement : std::uint8_t { None, Toroid, Sphere };
TopLoadPlacement topLoadPlacement(const Form& form);

// Height above the floor of the highest point of the coil and its top load, in inches.
double coilTopInches(const Design& design, TopLoadPlacement placement);

// Why a value cannot be taken on its own (a negative length, k outside (0, 1)), or empty.
std::string valueRejection(const SurroundingsInput& input, double value);
// Why a text typed in that unit cannot be taken on its own (not a number, or the value's own
// rule), or empty.
std::string textRejection(const SurroundingsInput& input, std::string_view text, LengthUnit unit);
// Why the surroundings cannot stand with this design (a ceiling at or below the coil's top, the
// primary's inner turn below the floor), or empty; heights are given in the unit.
std::string placementRejection(const Design& design, TopLoadPlacement placement, LengthUnit unit);

// The acceptance of a typed geometry input.
using SurroundingsEntry = InputEntry;
SurroundingsEntry enterSurroundings(Design& design, TopLoadPlacement placement, const SurroundingsInput& input,
                                    std::string_view text, LengthUnit unit);

// The input's value in its display format, in the unit.
std::string surroundingsText(const Surroundings& surroundings, const SurroundingsInput& input, LengthUnit unit);
// "in", "mm", or empty for a plain number.
std::string_view surroundingsUnit(const SurroundingsInput& input, LengthUnit unit);

} // namespace qv
