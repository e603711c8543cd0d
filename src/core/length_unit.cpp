#include "core/length_unit.h"

#include "core/units.h"

namespace qv {
// Each way is one operation with an exact factor (1959 definitions: 25.4 mm and 0.3048 m), so a
// typed value is rounded once. A rate per inch is a rate per 2.54 cm.
double shownValue(double storedValue, Quantity quantity, LengthUnit unit)
{
    if (unit == LengthUnit::Inches) return storedValue;
    switch (quantity) {
    case Quantity::LengthInches: return storedValue * kMillimetresPerInch;
    case Quantity::LengthFeet: return storedValue * kMetresPerFoot;
    case Quantity::TurnsPerInch: return storedValue / kCentimetresPerInch;
    case Quantity::None: break;
    }
    return storedValue;
}

double storedValue(double shownValue, Quantity quantity, LengthUnit unit)
{
    if (unit == LengthUnit::Inches) return shownValue;
    switch (quantity) {
    case Quantity::LengthInches: return shownValue / kMillimetresPerInch;
    case Quantity::LengthFeet: return shownValue / kMetresPerFoot;
    case Quantity::TurnsPerInch: return shownValue * kCentimetresPerInch;
    case Quantity::None: break;
    }
    return shownValue;
}

std::string_view unitCaption(Quantity quantity, LengthUnit unit)
{
    const bool metric = unit == LengthUnit::Millimetres;
    switch (quantity) {
    case Quantity::LengthInches: return metric ? "mm" : "in";
    case Quantity::LengthFeet: return metric ? "m" : "ft";
    case Quantity::TurnsPerInch: return metric ? "turns/cm" : "turns/in";
    case Quantity::None: break;
    }
    return {};
}

std::string_view unitName(LengthUnit unit) { return unit == LengthUnit::Millimetres ? "mm" : "in"; }

std::optional<LengthUnit> lengthUnitByName(std::string_view name)
{
    if (name == "mm") return LengthUnit::Millimetres;
    if (name == "in") return LengthUnit::Inches;
    return std::nullopt;
}

} // namespace qv
