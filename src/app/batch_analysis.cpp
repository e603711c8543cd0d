#include "app/batch_analysis.h"

#include "app/batch_assignment.h"
#include "core/calculator.h"
#include "core/length_unit.h"
#include "core/surroundings_inputs.h"
#include "field/coil_field.h"
#include "io/analysis_figures.h"
#include "io/analysis_model.h"

#include <cmath>
#include <ostream>
#include <string_view>

namespace qv {
namespace {


// Six significant digits, in plain decimal or exponent notation as the value needs.
constexpr int kPrintedDigits = 6;

} // namespace

std::string checkGeometry(const std::string& argument)
{
    if (argument.find('=') == std::string::npos) return "expected NAME=VALUE";
    const auto [name, value] = splitAssignment(argument);
    const SurroundingsInput* input = surroundingsInputByName(name);
    if (!input) return "no geometry input named " + std::string(name) + " (base, clearance, primary, ceiling, streamer, targetk)";
    // The rules are those of a sign and of a fraction, so the unit the value will be read in,
    // which a later --units may set, cannot change the verdict.
    return textRejection(*input, value, LengthUnit::Inches);
}

bool runGeometry(Calculator& calc, const std::string& argument, std::ostream&)
{
    const auto [name, value] = splitAssignment(argument);
    const SurroundingsEntry entry =
        enterSurroundings(calc.design, topLoadPlacement(calc.form), *surroundingsInputByName(name), value, calc.lengthUnit);
    if (!entry.taken) warn(calc, entry.message);
    return true;
}

bool printAnalysis(Calculator& calc, const std::string&, std::ostream& out)
{
    const field::Analysis analysis = field::analyse(currentCoilModel(calc));
    const auto precision = out.precision(kPrintedDigits);
    // A figure without a value prints "none" and, in a third column, the engine's reason; a
    // length's name ends in the unit its value is printed in.
    for (const AnalysisFigure& row : kAnalysisFigures) {
        const field::Figure& shown = analysis.*row.figure;
        out << nameInUnit(row.name, row.quantity, calc.lengthUnit) << '\t';
        if (shown.value && std::isfinite(*shown.value)) out << shownValue(*shown.value, row.quantity, calc.lengthUnit) << '\n';
        else out << "none\t" << shown.reason << '\n';
    }
    out.precision(precision);
    out << "status\t" << analysis.status << '\n';
    return true;
}

} // namespace qv
