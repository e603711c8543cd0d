#include "core/surroundings_inputs.h"

#include "core/calculator.h"
#include "core/form.h"
#include "core/number_parser.h"

namespace qv {
namespace {

constexpr double kSphereDiametersPerRadius = 2;

// A value in its stored unit as the input shows it in the unit.
std::string surroundingsText(const SurroundingsInput& input, double storedValue, LengthUnit unit)
{
    if (unit == LengthUnit::Inches || input.quantity == LengthQuantity::None) return formatField(storedValue, input.format);
    return formatField(shownValue(storedValue, input.quantity, unit), input.metricFormat);
}

} // namespace

const SurroundingsInput* surroundingsInputByName(std::string_view name)
{
    return rowNamed(kSurroundingsInputs, name);
}

TopLoadPlacement topLoadPlacement(const Form& form)
{
    if (!form.checked(OptionId::TopLoadCheck)) return TopLoadPlacement::None;
    return form.checked(OptionId::ToroidSelect) ? TopLoadPlacement::Toroid : TopLoadPlacement::Sphere;
}

double coilTopInches(const Design& design, TopLoadPlacement placement)
{
    const Surroundings& s = design.surroundings;
    const double windingTopInches = s.baseHeightInches + design.secondaryLengthInches;
    switch (placement) {
    case TopLoadPlacement::Toroid:
        return windingTopInches + s.clearanceInches + design.tubeDiameterInches;
    case TopLoadPlacement::Sphere: // the first Topload C field holds the sphere's radius
        return windingTopInches + s.clearanceInches + kSphereDiametersPerRadius * design.tubeDiameterInches;
    case TopLoadPlacement::None:
        break;
    }
    return windingTopInches;
}

std::string valueRejection(const SurroundingsInput& input, double value)
{
    const std::string caption(input.caption);
    switch (input.rule) {
    case SurroundingsRule::NotNegative:
    case SurroundingsRule::Ceiling:
        return value >= 0 ? std::string() : invalidData(caption + " cannot be negative");
    case SurroundingsRule::AboveFloor: // how far down depends on the winding's bottom: placementRejection()
        return {};
    case SurroundingsRule::Fraction:
        return value > 0 && value < 1 ? std::string() : invalidData(caption + " must lie between 0 and 1");
    }
    return {};
}

std::string textRejection(const SurroundingsInput& input, std::string_view text, LengthUnit unit)
{
    const ParseResult parsed = parseNumber(text);
    if (!parsed.ok) return invalidData(std::string(input.caption) + " needs a number");
    return valueRejection(input, storedValue(parsed.value, input.quantity, unit));
}

std::string placementRejection(const Design& design, TopLoadPlacement placement, LengthUnit unit)
{
    const Surroundings& s = design.surroundings;
    const SurroundingsInput& primary = *surroundingsInputByName("primary");
    // The primary's innermost turn is its lowest for every angle from flat to helix.
    if (s.baseHeightInches + s.primaryHeightInches < 0)
        return invalidData("the primary's lowest turn must be at or above the floor (Primary above winding bottom no lower than " +
                           surroundingsText(primary, -s.baseHeightInches, unit) + " " +
                           std::string(surroundingsUnit(primary, unit)) + ")");
    const double topInches = coilTopInches(design, placement);
    if (s.ceilingHeightInches == 0 || s.ceilingHeightInches > topInches) return {};
    const SurroundingsInput& ceiling = *surroundingsInputByName("ceiling");
    return invalidData("the ceiling must be above the top of the coil and its top load (" +
                       surroundingsText(ceiling, topInches, unit) + " " + std::string(surroundingsUnit(ceiling, unit)) +
                       " above the floor), or 0 for none");
}

SurroundingsEntry enterSurroundings(Design& design, TopLoadPlacement placement, const SurroundingsInput& input,
                                    std::string_view text, LengthUnit unit)
{
    if (std::string why = textRejection(input, text, unit); !why.empty()) return {false, std::move(why)};
    Design candidate = design;
    candidate.surroundings.*input.value = storedValue(parseNumber(text).value, input.quantity, unit);
    if (std::string why = placementRejection(candidate, placement, unit); !why.empty()) return {false, std::move(why)};
    design.surroundings = candidate.surroundings;
    return {true, {}};
}

std::string surroundingsText(const Surroundings& surroundings, const SurroundingsInput& input, LengthUnit unit)
{
    return surroundingsText(input, surroundings.*input.value, unit);
}

std::string_view surroundingsUnit(const SurroundingsInput& input, LengthUnit unit)
{
    return unitCaption(input.quantity, unit);
}

} // namespace qv
