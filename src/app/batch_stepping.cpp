#include "batch_stepping.h"

#include "calc/field_stepping.h"
#include "core/calculator.h"
#include "core/form.h"
#include "core/number_parser.h"

#include <cmath>
#include <optional>
#include <string_view>

namespace qv {
namespace {

// Enough for any button to run from one limit to the other.
constexpr double kMostPresses = 1000000;

struct StepRequest {
    ControlId button;
    SpinArrow arrow;
    long presses;
};

std::optional<SpinArrow> arrowByName(std::string_view text)
{
    if (text == "up") return SpinArrow::Up;
    if (text == "down") return SpinArrow::Down;
    return std::nullopt;
}

// NAME:ARROW[:COUNT]; the text that is wrong with it goes to `problem`.
std::optional<StepRequest> parseStep(std::string_view argument, std::string& problem)
{
    const auto first = argument.find(':');
    if (first == std::string_view::npos) {
        problem = "expected NAME:up|down[:COUNT]";
        return std::nullopt;
    }
    const std::string_view buttonName = argument.substr(0, first);
    const std::string_view rest = argument.substr(first + 1);
    const auto second = rest.find(':');
    const std::string_view arrowName = rest.substr(0, second);
    const auto button = controlByName(buttonName);
    if (!button || !hasStepping(*button)) {
        problem = "no spin button with stepping named " + std::string(buttonName);
        return std::nullopt;
    }
    const auto arrow = arrowByName(arrowName);
    if (!arrow) {
        problem = "expected up or down, not " + std::string(arrowName);
        return std::nullopt;
    }
    long presses = 1;
    if (second != std::string_view::npos) {
        const ParseResult count = parseNumber(rest.substr(second + 1));
        if (!count.ok || count.value < 1 || count.value > kMostPresses || count.value != std::floor(count.value)) {
            problem = "expected a whole number of presses from 1 to 1000000";
            return std::nullopt;
        }
        presses = static_cast<long>(count.value);
    }
    return StepRequest{*button, *arrow, presses};
}

} // namespace

std::string checkStep(const std::string& argument)
{
    std::string problem;
    parseStep(argument, problem);
    return problem;
}

std::string refuseStep(const Calculator& calc, const std::string& argument)
{
    std::string problem;
    const auto request = parseStep(argument, problem);
    if (!request) return problem;
    const Control& button = calc.form.control(request->button);
    const std::string buttonName(name(request->button));
    if (!button.enabled) return buttonName + " is disabled";
    if (!button.visible) return buttonName + " is hidden";
    return {};
}

bool runStep(Calculator& calc, const std::string& argument, std::ostream&)
{
    std::string problem;
    const auto request = parseStep(argument, problem);
    if (!request) return true; // checked before the session started
    for (long i = 0; i < request->presses; ++i) spinClick(calc, request->button, request->arrow);
    return true;
}

} // namespace qv
