#include "core/length_unit.h"

#include "core/units.h"

namespace qv {
// Each way is one operation with an exact factor (1959 definitions: 25.4 mm and 0.3048 m), so a
// typed value is rounded once. A rate per inch is a rate per 2.54 cm.
double shownValue(double storedValue, LengthQuantity quantity, LengthUnit unit)
{
    if (unit == LengthUnit::Inches) return storedValue;
    switch (quantity) {
    case LengthQuantity::LengthInches: return storedValue * kMillimetresPerInch;
    case LengthQuantity::LengthFeet: return storedValue * kMetresPerFoot;
    case LengthQuantity::TurnsPerInch: return storedValue / kCentimetresPerInch;
    case LengthQuantity::None: break;
    }
    return storedValue;
}

double storedValue(double shownValue, LengthQuantity quantity, LengthUnit unit)
{
    if (unit == LengthUnit::Inches) return shownValue;
    switch (quantity) {
    case LengthQuantity::LengthInches: return shownValue / kMillimetresPerInch;
    case LengthQuantity::LengthFeet: return shownValue / kMetresPerFoot;
    case LengthQuantity::TurnsPerInch: return shownValue * kCentimetresPerInch;
    case LengthQuantity::None: break;
    }
    return shownValue;
}

std::string_view unitCaption(LengthQuantity quantity, LengthUnit unit)
{
    const bool metric = unit == LengthUnit::Millimetres;
    switch (quantity) {
    case LengthQuantity::LengthInches: return metric ? "mm" : "in";
    case LengthQuantity::LengthFeet: return metric ? "m" : "ft";
    case LengthQuantity::TurnsPerInch: return metric ? "turns/cm" : "turns/in";
    case LengthQuantity::None: break;
    }
    return {};
}

std::string nameInUnit(std::string_view storedName, LengthQuantity quantity, LengthUnit unit)
{
    const std::string storedSuffix = "_" + std::string(unitCaption(quantity, LengthUnit::Inches));
    if (quantity == LengthQuantity::None || !storedName.ends_with(storedSuffix)) return std::string(storedName);
    return std::string(storedName.substr(0, storedName.size() - storedSuffix.size() + 1)) +
           std::string(unitCaption(quantity, unit));
}

std::string_view unitName(LengthUnit unit) { return unit == LengthUnit::Millimetres ? "mm" : "in"; }

std::optional<LengthUnit> lengthUnitByName(std::string_view name)
{
    if (name == "mm") return LengthUnit::Millimetres;
    if (name == "in") return LengthUnit::Inches;
    return std::nullopt;
}

} // namespace qv
