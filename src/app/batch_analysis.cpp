#include "app/batch_analysis.h"

#include "app/batch_assignment.h"
#include "core/calculator.h"
#include "core/length_unit.h"
#include "core/surroundings_inputs.h"
#include "field/coil_field.h"
#include "io/analysis_model.h"

#include <cmath>
#include <ostream>
#include <string_view>

namespace qv {
namespace {


// The printed names are read by scripts and tests; they never change. A length's name ends in
// the unit it is printed in. A figure without a value prints "none" and, in a third column, the
// engine's reason.
struct PrintedFigure {
    const char* name;
    field::Figure field::Analysis::*figure;
    LengthQuantity quantity = LengthQuantity::None;
};
constexpr PrintedFigure kPrintedFigures[] = {
    {"ls_mh", &field::Analysis::secondaryInductanceMh},
    {"f0_khz", &field::Analysis::bareFrequencyKhz},
    {"f0_3_khz", &field::Analysis::bareThreeQuarterKhz},
    {"f0_5_khz", &field::Analysis::bareFiveQuarterKhz},
    {"cself_pf", &field::Analysis::selfCapacitancePf},
    {"f1_khz", &field::Analysis::loadedFrequencyKhz},
    {"ctop_pf", &field::Analysis::topLoadInPlacePf},
    {"f1_streamer_khz", &field::Analysis::streamerFrequencyKhz},
    {"lp_uh", &field::Analysis::primaryInductanceUh},
    {"m_uh", &field::Analysis::mutualInductanceUh},
    {"k", &field::Analysis::coupling},
    {"primary_for_targetk_", &field::Analysis::primaryHeightForTargetKInches, LengthQuantity::LengthInches},
    {"cp_uf", &field::Analysis::tankCapacitanceUf},
    {"cp_streamer_uf", &field::Analysis::streamerTankCapacitanceUf},
};

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
    for (const auto& [name, figure, quantity] : kPrintedFigures) {
        const field::Figure& shown = analysis.*figure;
        out << name << unitCaption(quantity, calc.lengthUnit) << '\t';
        if (shown.value && std::isfinite(*shown.value)) out << shownValue(*shown.value, quantity, calc.lengthUnit) << '\n';
        else out << "none\t" << shown.reason << '\n';
    }
    out.precision(precision);
    out << "status\t" << analysis.status << '\n';
    return true;
}

} // namespace qv
