#include "app/batch_analysis.h"

#include "app/batch_assignment.h"
#include "core/calculator.h"
#include "core/surroundings_inputs.h"
#include "field/coil_field.h"
#include "io/analysis_model.h"

#include <cmath>
#include <ostream>
#include <string_view>

namespace qv {
namespace {


// The printed names are read by scripts and tests; they never change.
struct PrintedFigure {
    const char* name;
    field::Figure field::Analysis::*figure;
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
    {"primary_for_targetk_in", &field::Analysis::primaryHeightForTargetKInches},
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
    return textRejection(*input, value);
}

bool runGeometry(Calculator& calc, const std::string& argument, std::ostream&)
{
    const auto [name, value] = splitAssignment(argument);
    const SurroundingsEntry entry =
        enterSurroundings(calc.design, topLoadPlacement(calc.form), *surroundingsInputByName(name), value);
    if (!entry.taken) warn(calc, entry.message);
    return true;
}

bool printAnalysis(Calculator& calc, const std::string&, std::ostream& out)
{
    const field::Analysis analysis = field::analyse(currentCoilModel(calc));
    const auto precision = out.precision(kPrintedDigits);
    for (const auto& [name, figure] : kPrintedFigures) {
        const field::Figure& shown = analysis.*figure;
        out << name << '\t';
        if (shown.value && std::isfinite(*shown.value)) out << *shown.value << '\n';
        else out << "none\n";
    }
    out.precision(precision);
    out << "status\t" << analysis.status << '\n';
    return true;
}

} // namespace qv
