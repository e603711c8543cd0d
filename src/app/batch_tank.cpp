#include "app/batch_tank.h"

#include "app/batch_assignment.h"
#include "core/calculator.h"
#include "core/tank_inputs.h"
#include "io/analysis_model.h"
#include "tank/tank_circuit.h"

#include <ostream>
#include <string_view>

namespace qv {
namespace {


std::string inputNames()
{
    std::string names;
    for (const TankInput& input : kTankInputs) names += (names.empty() ? "" : ", ") + std::string(input.name);
    return names;
}

// Six significant digits, in plain decimal or exponent notation as the value needs.
constexpr int kPrintedDigits = 6;

} // namespace

std::string checkTank(const std::string& argument)
{
    if (argument.find('=') == std::string::npos) return "expected NAME=VALUE";
    const auto [name, value] = splitAssignment(argument);
    const TankInput* input = tankInputByName(name);
    if (!input) return "no tank input named " + std::string(name) + " (" + inputNames() + ")";
    // The length rules' bounds are 0, which no unit moves, so a later --units cannot change the
    // verdict.
    return textRejection(*input, value, LengthUnit::Inches);
}

bool runTank(Calculator& calc, const std::string& argument, std::ostream&)
{
    const auto [name, value] = splitAssignment(argument);
    const InputEntry entry = enterTank(calc.design.tank, *tankInputByName(name), value, calc.lengthUnit);
    if (!entry.taken) warn(calc, entry.message);
    return true;
}

bool printTankFigures(Calculator& calc, const std::string&, std::ostream& out)
{
    const tank::TankFigures figures = tank::tankFigures(calc, tank::solveField(currentCoilModel(calc)));
    const auto precision = out.precision(kPrintedDigits);
    for (const tank::TankFigureRow& row : tank::kTankFigureRows) {
        out << nameInUnit(row.name, row.quantity, calc.lengthUnit) << '\t';
        if (row.text) {
            out << figures.*row.text << '\n';
            continue;
        }
        const field::Figure& figure = figures.*row.figure;
        if (figure.value) out << shownValue(*figure.value, row.quantity, calc.lengthUnit) << '\n';
        else out << "none\t" << figure.reason << '\n';
    }
    out.precision(precision);
    out << "status\t" << figures.status << '\n';
    return true;
}

} // namespace qv
