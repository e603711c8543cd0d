#pragma once
// The length unit the calculator shows: a setting of the session, never of the design. Every
// design variable stays in inches (and the results in inches or feet); a field that holds a length
// or a winding rate converts at the edge, when it is shown and when typed text is taken, and only
// through these functions.

#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class LengthUnit : unsigned char { Inches, Millimetres };

// What a field's variable measures, in the unit it is stored in.
enum class LengthQuantity : unsigned char {
    None,         // not a length: volts, hertz, turns, a gauge number
    LengthInches, // shown in millimetres
    LengthFeet,   // shown in metres
    TurnsPerInch, // shown in turns per centimetre
};

// The stored value as the unit shows it.
double shownValue(double storedValue, LengthQuantity quantity, LengthUnit unit);
// A shown (typed) value back in the stored unit, converted once: one division by 25.4 or 0.3048,
// or one product with 2.54, so the text 279.4 in millimetres holds the variable 279.4 / 25.4.
double storedValue(double shownValue, LengthQuantity quantity, LengthUnit unit);

// "in", "mm", "ft", "m", "turns/in", "turns/cm"; empty for a quantity that is no length.
std::string_view unitCaption(LengthQuantity quantity, LengthUnit unit);

// The name a figure is printed under in a session: a length's name ends in its stored unit
// ("gap_each_in", "tap_wire_ft") and is printed with the session's ("gap_each_mm", "tap_wire_m").
// Printed names are a contract for scripts; any other name is printed as it is.
std::string nameInUnit(std::string_view storedName, LengthQuantity quantity, LengthUnit unit);

// "in" and "mm", as the command line and the settings spell them.
std::string_view unitName(LengthUnit unit);
std::optional<LengthUnit> lengthUnitByName(std::string_view name);

} // namespace qv
