#include "batch_sweep.h"

#include "batch_actions.h"

#include "core/number_parser.h"
#include "io/sweep.h"

#include <algorithm>
#include <ostream>
#include <string_view>
#include <thread>
#include <vector>

namespace qv {
namespace {

std::vector<std::string_view> split(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

struct SweepArgument {
    std::string problem; // empty when the rest is sound
    SweepRequest request;
};

// NAME=FROM:TO:POINTS[:log], then the figures' names after the separator.
SweepArgument parseSweep(const std::string& argument)
{
    SweepArgument parsed;
    const auto lines = split(argument, kCompanionSeparator);
    const std::string_view sweepRange = lines.front();
    const auto equals = sweepRange.find('=');
    const SweepInput* input = equals == std::string_view::npos ? nullptr : sweepInputByName(sweepRange.substr(0, equals));
    if (!input) return {"expected NAME=FROM:TO:POINTS[:log] with NAME an input --set, --geometry or --tank takes", {}};
    parsed.request.input = *input;
    const auto range = split(sweepRange.substr(equals + 1), ':');
    const bool logarithmic = range.size() == 4 && range[3] == "log";
    if (range.size() != 3 && !logarithmic) return {"expected FROM:TO:POINTS or FROM:TO:POINTS:log", {}};
    const ParseResult from = parseNumber(range[0]);
    const ParseResult to = parseNumber(range[1]);
    const ParseResult points = parseNumber(range[2]);
    if (!from.ok || !to.ok || !points.ok || points.value != static_cast<int>(points.value))
        return {"FROM and TO must be numbers and POINTS a whole number", {}};
    parsed.request.range = {from.value, to.value, static_cast<int>(points.value), logarithmic};
    if (std::string why = rangeRejection(parsed.request.range); !why.empty()) return {why, {}};
    if (lines.size() < 2 || lines[1].empty()) return {"name the figures with --sweep-figures NAME,NAME,...", {}};
    for (const std::string_view name : split(lines[1], ',')) {
        const SweepFigure* figure = sweepFigureByName(name);
        if (!figure) return {"no figure named " + std::string(name) + " (the --fields results, --analysis and --tank-figures names)", {}};
        parsed.request.figures.push_back(*figure);
    }
    return parsed;
}

} // namespace

std::string checkSweep(const std::string& argument) { return parseSweep(argument).problem; }

std::string refuseSweep(const Calculator& calc, const std::string& argument)
{
    return inputUnavailable(calc, parseSweep(argument).request.input);
}

bool printSweep(Calculator& calc, const std::string& argument, std::ostream& out)
{
    SweepControl control;
    control.threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    out << sweepCsv(*runSweep(calc, parseSweep(argument).request, control));
    return true;
}

std::string checkSweepFigures(const std::string& argument)
{
    for (const std::string_view name : split(argument, ','))
        if (!sweepFigureByName(name)) return "no figure named " + std::string(name);
    return {};
}

bool takeSweepFigures(Calculator&, const std::string&, std::ostream&) { return true; }

} // namespace qv
