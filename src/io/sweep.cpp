#include "io/sweep.h"

#include "calc/stages.h"
#include "core/calculator.h"
#include "core/input_fields.h"
#include "core/input_rows.h"
#include "core/surroundings_inputs.h"
#include "core/tank_inputs.h"
#include "io/analysis_figures.h"
#include "io/analysis_model.h"
#include "tank/tank_circuit.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cmath>
#include <sstream>
#include <thread>

namespace qv {
namespace {

// The batch front end runs two passes after every action: the primary stage accepts its inputs
// after it has computed, so a typed value shows in the results one pass later.
constexpr int kPassesPerValue = 2;
// Six significant digits, as the batch front end prints the field solution's figures.
constexpr int kCsvDigits = 6;

// Every message a point raises, kept instead of shown: the copy has no window to show it in.
class MessageLog final : public Host {
public:
    void warning(std::string_view text) override { messages.emplace_back(text); }
    void warningWithDetail(std::string_view text, std::string_view detail) override
    {
        messages.push_back(std::string(text) + ": " + std::string(detail));
    }
    std::vector<std::string> messages;
};

std::string enterSheetValue(Calculator& calc, FieldId id, double value)
{
    const bool editing = beginEdit(calc, id);
    calc.form.type(id, exactText(value));
    if (editing) endEdit(calc, id);
    for (int i = 0; i < kPassesPerValue; ++i) Main_Loop1(calc);
    // The acceptance step has refused it with this same rule (and said so to the host).
    const InputField& input = *typedInput(id);
    if (!input.rule.admits(storedValue(value, input.metric.quantity, calc.lengthUnit))) return kInvalidDataMessage;
    // Shown in the field's own format, as a spin button leaves it, rather than as a long typed text.
    showVariable(calc, id);
    return {};
}

std::string enterGeometryValue(Calculator& calc, const SurroundingsInput& input, double value)
{
    const SurroundingsEntry entry =
        enterSurroundings(calc.design, topLoadPlacement(calc.form), input, exactText(value), calc.lengthUnit);
    for (int i = 0; i < kPassesPerValue; ++i) Main_Loop1(calc);
    return entry.message;
}

std::string enterTankValue(Calculator& calc, const TankInput& input, double value)
{
    const InputEntry entry = enterTank(calc.design.tank, input, exactText(value), calc.lengthUnit);
    for (int i = 0; i < kPassesPerValue; ++i) Main_Loop1(calc);
    return entry.message;
}

field::Figure gap(std::string reason) { return {std::nullopt, std::move(reason)}; }

field::Figure sheetFigure(const Calculator& calc, FieldId id, const std::vector<std::string>& messages)
{
    const double value = calc.shownResults[static_cast<std::size_t>(id)];
    if (std::isfinite(value)) return {value, {}};
    return gap(messages.empty() ? "no value on the sheets" : messages.back());
}

// A solved figure as it is, or a gap with its own reason or else the solution's.
field::Figure solvedFigure(const field::Figure& figure, const std::string& status)
{
    if (figure.value && std::isfinite(*figure.value)) return figure;
    if (!figure.reason.empty()) return gap(figure.reason);
    return gap(status == "ok" ? "no value" : status);
}

// What the field solution gives a point: the analysis, and the Tank Circuit's figures when one is
// asked for (they read the same solution, with the primary's turn curve made from it).
struct SolvedPoint {
    field::Analysis analysis;
    std::optional<tank::TankFigures> tank;
};

SolvedPoint solvePoint(const Calculator& calc, bool withTank)
{
    if (!withTank) return {field::analyse(currentCoilModel(calc)), std::nullopt};
    const tank::FieldAsItStands field = tank::solveField(currentCoilModel(calc));
    return {field.analysis, tank::tankFigures(calc, field)};
}

field::Figure storedFigure(const Calculator& calc, const SolvedPoint* solved, const SweepFigure& f,
                           const std::vector<std::string>& messages)
{
    switch (f.kind) {
    case SweepFigureKind::Analysis:
        return solvedFigure(solved->analysis.*kAnalysisFigures[f.row].figure, solved->analysis.status);
    case SweepFigureKind::Tank:
        return solvedFigure((*solved->tank).*tank::kTankFigureRows[f.row].figure, solved->tank->status);
    case SweepFigureKind::SheetResult: break;
    }
    return sheetFigure(calc, static_cast<FieldId>(f.row), messages);
}

// The figure in the calculator's unit.
field::Figure readFigure(const Calculator& calc, const SolvedPoint* solved, const SweepFigure& f,
                         const std::vector<std::string>& messages)
{
    field::Figure figure = storedFigure(calc, solved, f, messages);
    if (figure.value) figure.value = shownValue(*figure.value, f.quantity, calc.lengthUnit);
    return figure;
}

// One point on its own copy of the design, so a refused value never reaches the next point.
std::vector<field::Figure> sweepPoint(const Calculator& start, const SweepRequest& request, double value,
                                      std::string& refusal)
{
    MessageLog log;
    Calculator calc = start;
    calc.host = &log;
    const std::string rejection = enterSweepValue(calc, request.input, value);
    std::vector<field::Figure> figures;
    figures.reserve(request.figures.size());
    if (!rejection.empty()) {
        refusal = log.messages.empty() ? rejection : log.messages.front();
        figures.assign(request.figures.size(), gap(refusal));
        return figures;
    }
    const auto asks = [&](auto wanted) { return std::any_of(request.figures.begin(), request.figures.end(), wanted); };
    const bool withTank = asks([](const SweepFigure& f) { return f.kind == SweepFigureKind::Tank; });
    const std::optional<SolvedPoint> solved =
        asks(needsFieldSolution) ? std::optional(solvePoint(calc, withTank)) : std::nullopt;
    for (const SweepFigure& f : request.figures)
        figures.push_back(readFigure(calc, solved ? &*solved : nullptr, f, log.messages));
    return figures;
}

bool cancelled(const SweepControl& control) { return control.cancel && control.cancel->load(); }

std::string csvCell(const std::string& text)
{
    if (text.find_first_of(",\"\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvNumber(double value)
{
    std::ostringstream text;
    text.precision(kCsvDigits);
    text << value;
    return text.str();
}

// The reasons for a row's gaps, each once.
std::string gapReasons(const std::vector<field::Figure>& row)
{
    std::vector<std::string> reasons;
    for (const field::Figure& f : row)
        if (!f.value && std::find(reasons.begin(), reasons.end(), f.reason) == reasons.end()) reasons.push_back(f.reason);
    std::string joined;
    for (const std::string& r : reasons) joined += (joined.empty() ? "" : "; ") + r;
    return joined;
}

} // namespace

std::string rangeRejection(const SweepRange& range)
{
    if (range.points < kFewestSweepPoints || range.points > kMostSweepPoints)
        return "the number of points must be from " + std::to_string(kFewestSweepPoints) + " to " +
               std::to_string(kMostSweepPoints);
    if (!std::isfinite(range.from) || !std::isfinite(range.to)) return "both ends of the range must be numbers";
    if (range.from == range.to) return "the range needs two different ends";
    if (range.logarithmic && (range.from <= 0 || range.to <= 0))
        return "a logarithmic range needs both ends above 0";
    return {};
}

std::vector<double> sweepValues(const SweepRange& range)
{
    std::vector<double> values(static_cast<std::size_t>(range.points));
    const double last = range.points - 1;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double fraction = static_cast<double>(i) / last;
        values[i] = range.logarithmic ? range.from * std::pow(range.to / range.from, fraction)
                                      : range.from + (range.to - range.from) * fraction;
    }
    values.front() = range.from;
    values.back() = range.to;
    return values;
}

std::string enterSweepValue(Calculator& calc, const SweepInput& input, double value)
{
    if (input.kind == SweepInputKind::Geometry) return enterGeometryValue(calc, kSurroundingsInputs[input.row], value);
    if (input.kind == SweepInputKind::Tank) return enterTankValue(calc, kTankInputs[input.row], value);
    return enterSheetValue(calc, static_cast<FieldId>(input.row), value);
}

SweepTable tableIn(SweepTable table, LengthUnit unit)
{
    if (unit == table.lengthUnit) return table; // converting there and back could move a value by a rounding
    const auto convert = [&](double value, LengthQuantity quantity) {
        return shownValue(storedValue(value, quantity, table.lengthUnit), quantity, unit);
    };
    const LengthQuantity inputQuantity = table.input.quantity;
    table.designValue = convert(table.designValue, inputQuantity);
    for (double& x : table.inputValues) x = convert(x, inputQuantity);
    for (std::vector<field::Figure>& row : table.values)
        for (std::size_t f = 0; f < row.size(); ++f)
            if (row[f].value) row[f].value = convert(*row[f].value, table.figures[f].quantity);
    table.input = unitIn(table.input, unit);
    for (SweepFigure& f : table.figures) f = unitIn(f, unit);
    table.lengthUnit = unit;
    return table;
}

std::optional<SweepTable> runSweep(const Calculator& design, const SweepRequest& request, const SweepControl& control)
{
    const LengthUnit unit = design.lengthUnit;
    SweepTable table{unitIn(request.input, unit), {}, unit, currentValue(design, request.input),
                     request.range.logarithmic, sweepValues(request.range), {}, {}};
    for (const SweepFigure& f : request.figures) table.figures.push_back(unitIn(f, unit));
    const std::size_t total = table.inputValues.size();
    table.refusals.resize(total);
    table.values.resize(total);
    // The copies start from the design without its scratch pad, which no figure reads.
    Calculator start = design;
    start.scratchPad.clear();
    std::atomic<std::size_t> done{0};
    // Thread t takes points t, t + n, t + 2n, ...: neighbouring points cost about the same.
    const auto work = [&](std::size_t first, std::size_t stride) {
        for (std::size_t i = first; i < total && !cancelled(control); i += stride) {
            table.values[i] = sweepPoint(start, request, table.inputValues[i], table.refusals[i]);
            const std::size_t finished = ++done;
            if (control.progress) control.progress(finished, total);
        }
    };
    const auto threads = static_cast<std::size_t>(std::max(1, control.threads));
    std::vector<std::jthread> helpers;
    for (std::size_t t = 1; t < threads; ++t) helpers.emplace_back(work, t, threads);
    work(0, threads);
    helpers.clear();
    if (cancelled(control)) return std::nullopt;
    return table;
}

std::string sweepCsv(const SweepTable& table)
{
    const auto header = [&table](const auto& entry) {
        const std::string shownName = nameInUnit(entry.name, entry.quantity, table.lengthUnit);
        return csvCell(entry.unit.empty() ? shownName : shownName + " (" + entry.unit + ")");
    };
    std::string csv = header(table.input);
    for (const SweepFigure& f : table.figures) csv += "," + header(f);
    csv += ",notes\n";
    for (std::size_t i = 0; i < table.inputValues.size(); ++i) {
        csv += csvNumber(table.inputValues[i]);
        for (const field::Figure& f : table.values[i]) csv += "," + (f.value ? csvNumber(*f.value) : std::string());
        csv += "," + csvCell(gapReasons(table.values[i])) + "\n";
    }
    return csv;
}

std::string exactText(double value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("nan");
}

} // namespace qv
