#include "io/report_coil_section.h"

#include "core/calculator.h"
#include "core/surroundings_inputs.h"
#include "io/analysis_model.h"
#include "io/coil_figure_rows.h"
#include "io/report_columns.h"

#include <cmath>
#include <string_view>

namespace qv {
namespace {

// Columns of the figure tables, in characters of the report's fixed-pitch font.
constexpr std::size_t kCaptionChars = 34;
constexpr std::size_t kUnitChars = 5;
constexpr std::size_t kClassicChars = 12;
constexpr std::size_t kSolvedChars = 16;
constexpr std::size_t kSurroundingsChars = 8;
constexpr const char* kColumnGap = "  ";

std::string withUnit(const std::string& value, std::string_view unit)
{
    return unit.empty() ? value : value + " " + std::string(unit);
}

// The field solution's figure, or why it has none: its own reason, else the whole solution's.
struct SolvedCell {
    std::string text;
    bool isNumber;
};
SolvedCell solvedCell(const field::Analysis& analysis, field::Figure field::Analysis::*solved, Format format,
                      LengthQuantity quantity = LengthQuantity::None, LengthUnit unit = LengthUnit::Inches)
{
    const field::Figure& figure = analysis.*solved;
    if (figure.value && std::isfinite(*figure.value))
        return {formatField(shownValue(*figure.value, quantity, unit), format), true};
    if (!figure.reason.empty()) return {figure.reason, false};
    return {analysis.ok() ? "no value" : analysis.status, false};
}

// A figure's line: caption, unit, the classic figure (blank when the sheets give none) and the
// figure as it stands. A reason in place of a number starts at its column instead of ending there.
std::string figureLine(std::string_view caption, std::string_view unit, const std::string& classic,
                       const SolvedCell& solved)
{
    std::string line = padded(caption, kCaptionChars) + padded(unit, kUnitChars) + rightAligned(classic, kClassicChars);
    line += kColumnGap;
    line += solved.isNumber ? rightAligned(solved.text, kSolvedChars) : solved.text;
    return line;
}

// A top-load size with its unit, in the calculator's unit: "3.00 in", "76.20 mm".
std::string sizeText(double inches, LengthUnit unit)
{
    return formatField(shownValue(inches, LengthQuantity::LengthInches, unit), "%1.2f") + " " +
           std::string(unitCaption(LengthQuantity::LengthInches, unit));
}

std::string topLoadText(const Calculator& calc)
{
    const Design& d = calc.design;
    const LengthUnit unit = calc.lengthUnit;
    switch (topLoadPlacement(calc.form)) {
    case TopLoadPlacement::Toroid:
        return "toroid, tube " + sizeText(d.tubeDiameterInches, unit) + ", " + sizeText(d.toroidDiameterInches, unit) +
               " centre to centre";
    case TopLoadPlacement::Sphere:
        return "sphere, radius " + sizeText(d.tubeDiameterInches, unit);
    case TopLoadPlacement::None:
        break;
    }
    return "none (W/Top Load C is off)";
}

void addSurroundings(const Calculator& calc, std::vector<std::string>& lines)
{
    lines.emplace_back("Where it stands");
    for (const SurroundingsInput& input : kSurroundingsInputs)
        lines.push_back(padded(input.caption, kCaptionChars) +
                        withUnit(rightAligned(surroundingsText(calc.design.surroundings, input, calc.lengthUnit),
                                              kSurroundingsChars),
                                 surroundingsUnit(input, calc.lengthUnit)));
    lines.push_back(padded("Top load on the coil", kCaptionChars) + topLoadText(calc));
}

void addFigures(const Calculator& calc, const field::Analysis& analysis, std::vector<std::string>& lines)
{
    lines.push_back(figureLine("Figure", "Unit", "Classic", {rightAligned("As it stands", kSolvedChars), false}));
    for (const ComparedFigureRow& row : kComparedFigureRows)
        lines.push_back(figureLine(row.caption, row.unit, formatField(row.classic(calc), row.format),
                                   solvedCell(analysis, row.solved, row.format)));
    lines.emplace_back();
    lines.emplace_back("From the field solution only");
    for (const SolvedFigureRow& row : kSolvedFigureRows)
        lines.push_back(figureLine(row.caption, row.unitIn(calc.lengthUnit), "",
                                   solvedCell(analysis, row.solved, row.format, row.quantity, calc.lengthUnit)));
}

} // namespace

std::vector<std::string> coilAsItStandsLines(const Calculator& calc)
{
    const field::Analysis analysis = field::analyse(currentCoilModel(calc));
    std::vector<std::string> lines = {"", "", kCoilAsItStandsHeading, ""};
    addSurroundings(calc, lines);
    lines.emplace_back();
    addFigures(calc, analysis, lines);
    lines.emplace_back();
    lines.emplace_back("Classic: the sheets' formulas, the top load's capacitance as if it stood alone in space.");
    lines.emplace_back("As it stands: a field solution of the coil with its top load, the floor and the ceiling in");
    lines.emplace_back("place (see Help, Coil Analysis).");
    // With the copy box off the two columns' top loads can differ; the reader is told which is which.
    if (topLoadPlacement(calc.form) != TopLoadPlacement::None && !calc.form.checked(OptionId::NoCap)) {
        lines.push_back("The classic top load is the " + formatField(calc.design.topLoadPf, "%1.2f") +
                        " pF on the Secondary Coil sheet;");
        lines.emplace_back("the field solution solves the Topload C sheet's shape.");
    }
    if (!analysis.ok()) lines.push_back("The field solution has no value: " + analysis.status);
    return lines;
}

} // namespace qv
