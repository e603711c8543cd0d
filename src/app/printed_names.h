#pragma once
// The names the batch front end prints its figures under are a contract for scripts; a length's
// name ends in the unit its value is printed in.

#include "core/length_unit.h"

#include <string>
#include <string_view>

namespace qv {

// A name that ends in its stored unit ("gap_each_in", "tap_wire_ft") with the unit the session
// prints it in ("gap_each_mm", "tap_wire_m").
inline std::string nameInUnit(std::string_view storedName, LengthQuantity quantity, LengthUnit unit)
{
    if (unit == LengthUnit::Inches || quantity == LengthQuantity::None) return std::string(storedName);
    return std::string(storedName.substr(0, storedName.rfind('_') + 1)) + std::string(unitCaption(quantity, unit));
}

} // namespace qv
