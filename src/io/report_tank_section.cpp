#include "io/report_tank_section.h"

#include "core/calculator.h"
#include "core/tank_inputs.h"
#include "io/analysis_model.h"
#include "io/report_columns.h"
#include "tank/tank_circuit.h"

#include <string_view>

namespace qv {
namespace {

// Columns in characters of the report's fixed-pitch font: inputs and figures share them.
constexpr std::size_t kCaptionChars = 44;
constexpr std::size_t kValueChars = 14;

struct SectionTitle {
    tank::TankSection section;
    std::string_view title;
};
constexpr SectionTitle kSectionTitles[] = {
    {tank::TankSection::Capacitor, "The capacitor"},
    {tank::TankSection::Tap, "The tap (turns from the inner end)"},
    {tank::TankSection::Stresses, "The stresses"},
    {tank::TankSection::Gaps, "The gaps"},
    {tank::TankSection::Expect, "What to expect"},
};

void addInputs(const TankInputs& tank, LengthUnit unit, std::vector<std::string>& lines)
{
    lines.emplace_back("Inputs");
    for (const TankInput& input : kTankInputs) {
        std::string value = rightAligned(tankText(tank, input, unit), kValueChars);
        if (const std::string_view shownUnit = tankUnit(input, unit); !shownUnit.empty())
            value += " " + std::string(shownUnit);
        lines.push_back(padded(input.caption, kCaptionChars) + value);
    }
}

// A number is right-aligned in its column with its unit after it; a verdict or a reason starts at
// the column.
std::string figureLine(const tank::TankFigures& figures, const tank::TankFigureRow& row, LengthUnit unit)
{
    const std::string shown = tank::shownFigure(figures, row, unit);
    const bool isNumber = row.figure && (figures.*row.figure).value;
    if (!isNumber) return padded(row.caption, kCaptionChars) + shown;
    const std::string_view shownUnit = tank::figureUnit(row, unit);
    const std::size_t unitAt = shownUnit.empty() ? shown.size() : shown.size() - shownUnit.size() - 1;
    return padded(row.caption, kCaptionChars) + rightAligned(shown.substr(0, unitAt), kValueChars) +
           shown.substr(unitAt);
}

void addFigures(const tank::TankFigures& figures, LengthUnit unit, std::vector<std::string>& lines)
{
    for (const SectionTitle& title : kSectionTitles) {
        lines.emplace_back();
        lines.emplace_back(title.title);
        for (const tank::TankFigureRow& row : tank::kTankFigureRows)
            if (row.section == title.section) lines.push_back(figureLine(figures, row, unit));
    }
}

} // namespace

std::vector<std::string> tankCircuitLines(const Calculator& calc)
{
    const tank::TankFigures figures = tank::tankFigures(calc, tank::solveField(currentCoilModel(calc)));
    std::vector<std::string> lines = {"", "", kTankCircuitHeading, ""};
    addInputs(calc.design.tank, calc.lengthUnit, lines);
    addFigures(figures, calc.lengthUnit, lines);
    lines.emplace_back();
    lines.emplace_back("Tap by the Primary sheet's formula at the frequency it tunes to; as it stands and with");
    lines.emplace_back("streamers by the field solution's rings of the innermost turns (see Help, Tank Circuit).");
    lines.emplace_back("Gaps where air breaks down between smooth electrodes at 20 C and 1013 hPa; the Spark Gap");
    lines.emplace_back("sheet's 8400 V per inch is a much wider rule. The stresses leave out losses and resonant");
    lines.emplace_back("charging above the supply's peak.");
    if (figures.status != "ok") lines.push_back("The field solution has no value: " + figures.status);
    return lines;
}

} // namespace qv
