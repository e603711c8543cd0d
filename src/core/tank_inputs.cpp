#include "core/tank_inputs.h"

#include "core/number_parser.h"

#include <cmath>

namespace qv {
namespace {

// A bound as the captions write it: "0.2", "5", "10".
std::string bound(double value)
{
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string withUnit(const std::string& text, const TankInput& input, LengthUnit unit)
{
    const std::string_view shown = tankUnit(input, unit);
    return shown.empty() ? text : text + " " + std::string(shown);
}

bool admits(const TankRule& rule, double value)
{
    const bool aboveLow = rule.lowExclusive ? value > rule.low : value >= rule.low;
    return aboveLow && value <= rule.high && (!rule.whole || value == std::floor(value));
}

std::string takes(const TankInput& input, LengthUnit unit)
{
    return invalidData(std::string(input.caption) + " takes " + acceptedValues(input, unit));
}

} // namespace

const TankInput* tankInputByName(std::string_view name) { return rowNamed(kTankInputs, name); }

std::string_view tankUnit(const TankInput& input, LengthUnit unit)
{
    return input.quantity == LengthQuantity::None ? input.unit : unitCaption(input.quantity, unit);
}

std::string acceptedValues(const TankInput& input, LengthUnit unit)
{
    const TankRule& rule = input.rule;
    const std::string low = bound(shownValue(rule.low, input.quantity, unit));
    if (rule.whole) return "a whole number from " + low + " to " + bound(rule.high);
    if (std::isinf(rule.high))
        return rule.lowExclusive ? "a value above " + withUnit(low, input, unit) : withUnit(low, input, unit) + " or more";
    return withUnit(low + " to " + bound(shownValue(rule.high, input.quantity, unit)), input, unit);
}

std::string valueRejection(const TankInput& input, double value)
{
    return admits(input.rule, value) ? std::string() : takes(input, LengthUnit::Inches);
}

std::string textRejection(const TankInput& input, std::string_view text, LengthUnit unit)
{
    const ParseResult parsed = parseNumber(text);
    if (!parsed.ok)
        return invalidData(std::string(input.caption) + " needs a number: " + acceptedValues(input, unit));
    // The rule is in the stored unit, so it judges the value the input would hold.
    return admits(input.rule, storedValue(parsed.value, input.quantity, unit)) ? std::string() : takes(input, unit);
}

InputEntry enterTank(TankInputs& tank, const TankInput& input, std::string_view text, LengthUnit unit)
{
    if (std::string why = textRejection(input, text, unit); !why.empty())
        return {false, why + "; " + withUnit(tankText(tank, input, unit), input, unit) + " kept"};
    tank.*input.value = storedValue(parseNumber(text).value, input.quantity, unit);
    return {true, {}};
}

std::string tankText(const TankInputs& tank, const TankInput& input, LengthUnit unit)
{
    const bool metric = unit != LengthUnit::Inches && input.quantity != LengthQuantity::None;
    std::string text = formatField(shownValue(tank.*input.value, input.quantity, unit),
                                   metric ? input.metricFormat : input.format);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

} // namespace qv
