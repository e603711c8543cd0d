#include "batch_actions.h"
#include "batch_analysis.h"
#include "batch_assignment.h"
#include "batch_files.h"
#include "batch_report.h"
#include "batch_stepping.h"
#include "batch_sweep.h"
#include "batch_tank.h"

#include "app/batch_simulate.h"
#include "calc/stages.h"
#include "core/calculator.h"
#include "core/form.h"
#include "core/input_fields.h"
#include "core/length_unit.h"
#include "core/number_parser.h"

#include <ostream>
#include <string_view>

namespace qv {
namespace {

std::string ok() { return {}; }


bool isInputField(FieldId id) { return static_cast<std::size_t>(id) < kInputFieldCount; }

// A read-only field that a click (or double click) makes writable, as PREdit1 or SEEdit14.
bool hasEditMode(FieldId id)
{
    const InputField* input = typedInput(id);
    return input && input->trigger != EditTrigger::None;
}

std::string checkSet(const std::string& argument)
{
    if (argument.find('=') == std::string::npos) return "expected FIELD=TEXT";
    const auto field = fieldByName(splitAssignment(argument).name);
    if (!field || !isInputField(*field)) return "no input field named " + std::string(splitAssignment(argument).name);
    return ok();
}

// What a person meets in the window: a hidden or disabled field takes no click, and a read-only
// one takes typing only through edit mode.
std::string refuseSet(const Calculator& calc, const std::string& argument)
{
    const FieldId id = *fieldByName(splitAssignment(argument).name);
    const Field& field = calc.form.field(id);
    const std::string fieldName(name(id));
    if (!field.enabled) return fieldName + " is disabled";
    if (!field.visible) return fieldName + " is hidden";
    if (field.readOnly && !hasEditMode(id)) return fieldName + " is read-only";
    return ok();
}

bool runSet(Calculator& calc, const std::string& argument, std::ostream&)
{
    const auto [fieldName, text] = splitAssignment(argument);
    const FieldId id = *fieldByName(fieldName);
    const bool editing = beginEdit(calc, id);
    calc.form.type(id, text);
    if (editing) endEdit(calc, id);
    return true;
}

std::string checkClick(const std::string& argument)
{
    return optionByName(argument) ? ok() : "no radio button or check box named " + argument;
}

std::string refuseClick(const Calculator& calc, const std::string& argument)
{
    const Option& option = calc.form.option(*optionByName(argument));
    if (!option.enabled) return argument + " is disabled";
    if (!option.visible) return argument + " is hidden";
    return ok();
}

bool runClick(Calculator& calc, const std::string& argument, std::ostream&)
{
    clickOption(calc, *optionByName(argument));
    return true;
}

std::string checkCount(const std::string& argument)
{
    const ParseResult parsed = parseNumber(argument);
    const bool whole = parsed.ok && parsed.value >= 0 && parsed.value <= 1e6 &&
                       parsed.value == static_cast<double>(static_cast<long>(parsed.value));
    return whole ? ok() : "expected a whole number of passes";
}

bool runPasses(Calculator& calc, const std::string& argument, std::ostream&)
{
    const auto count = static_cast<long>(parseNumber(argument).value);
    for (long i = 0; i < count; ++i) Main_Loop1(calc);
    return true;
}

std::string noArgument(const std::string&) { return ok(); }

bool printFields(Calculator& calc, const std::string&, std::ostream& out)
{
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto id = static_cast<FieldId>(i);
        out << name(id) << '\t' << calc.form.field(id).text << '\n';
    }
    return true;
}

// --units mm|in: the lengths of every later action, typed or printed, in that unit, as the
// window's Inches / Millimetres switch does; the design itself does not change.
std::string checkUnits(const std::string& argument)
{
    return lengthUnitByName(argument) ? ok() : "expected mm or in";
}

bool runUnits(Calculator& calc, const std::string& argument, std::ostream&)
{
    switchLengthUnit(calc, *lengthUnitByName(argument));
    return true;
}

constexpr BatchAction kActions[] = {
    {"--set", "FIELD=TEXT", checkSet, runSet, refuseSet},
    {"--click", "NAME", checkClick, runClick, refuseClick},
    {"--passes", "N", checkCount, runPasses, nullptr},
    {"--step", "NAME:up|down[:COUNT]", checkStep, runStep, refuseStep},
    {"--fields", nullptr, noArgument, printFields, nullptr},
    {"--open", "FILE", checkFilePath, runOpenDesign, nullptr},
    {"--save", "FILE", checkFilePath, runSaveDesign, nullptr},
    {"--reference", nullptr, noArgument, printReferenceList, nullptr},
    {"--report", nullptr, checkReport, printReportLines, nullptr},
    {"--netlist", "K", checkNetlistModel, printNetlist, nullptr},
    {"--geometry", "NAME=VALUE", checkGeometry, runGeometry, nullptr},
    {"--analysis", nullptr, noArgument, printAnalysis, nullptr},
    {"--sweep", "NAME=FROM:TO:POINTS[:log]", checkSweep, printSweep, refuseSweep},
    {"--sweep-figures", "NAME,NAME,...", checkSweepFigures, takeSweepFigures, nullptr},
    {"--tank", "NAME=VALUE", checkTank, runTank, nullptr},
    {"--tank-figures", nullptr, noArgument, printTankFigures, nullptr},
    {"--units", "mm|in", checkUnits, runUnits, nullptr},
#ifdef QUORVANE_HAS_SIMULATOR
    {"--simulate", "K", checkNetlistModel, runSimulateModel, nullptr},
    {"--simulate-as-it-stands", "K", checkNetlistModel, runSimulateAsItStands, nullptr},
#endif
};

} // namespace

std::span<const BatchAction> batchActions() { return kActions; }

} // namespace qv
