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

std::string withUnit(const std::string& text, const TankInput& input)
{
    return input.unit.empty() ? text : text + " " + std::string(input.unit);
}

} // namespace

const TankInput* tankInputByName(std::string_view name) { return rowNamed(kTankInputs, name); }

std::string acceptedValues(const TankInput& input)
{
    const TankRule& rule = input.rule;
    if (rule.whole) return "a whole number from " + bound(rule.low) + " to " + bound(rule.high);
    if (std::isinf(rule.high))
        return rule.lowExclusive ? "a value above " + withUnit(bound(rule.low), input)
                                 : withUnit(bound(rule.low), input) + " or more";
    return withUnit(bound(rule.low) + " to " + bound(rule.high), input);
}

std::string valueRejection(const TankInput& input, double value)
{
    const TankRule& rule = input.rule;
    const bool aboveLow = rule.lowExclusive ? value > rule.low : value >= rule.low;
    const bool taken = aboveLow && value <= rule.high && (!rule.whole || value == std::floor(value));
    if (taken) return {};
    return invalidData(std::string(input.caption) + " takes " + acceptedValues(input));
}

std::string textRejection(const TankInput& input, std::string_view text)
{
    const ParseResult parsed = parseNumber(text);
    if (!parsed.ok) return invalidData(std::string(input.caption) + " needs a number: " + acceptedValues(input));
    return valueRejection(input, parsed.value);
}

InputEntry enterTank(TankInputs& tank, const TankInput& input, std::string_view text)
{
    if (std::string why = textRejection(input, text); !why.empty())
        return {false, why + "; " + withUnit(tankText(tank, input), input) + " kept"};
    tank.*input.value = parseNumber(text).value;
    return {true, {}};
}

std::string tankText(const TankInputs& tank, const TankInput& input)
{
    std::string text = formatField(tank.*input.value, input.format);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

} // namespace qv
