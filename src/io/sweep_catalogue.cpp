#include "io/sweep_catalogue.h"

#include "core/calculator.h"
#include "core/entry_detail.h"
#include "core/input_fields.h"
#include "core/surroundings_inputs.h"
#include "core/tank_inputs.h"
#include "io/analysis_figures.h"
#include "io/coil_figure_rows.h"
#include "tank/tank_circuit.h"

#include <algorithm>
#include <iterator>

namespace qv {
namespace {

struct SheetQuantity {
    FieldId id;
    const char* caption; // nullptr for an input: its caption is the acceptance message's
    const char* unit;
};

// The sheets' own units, spelled as a plot's axis spells them (kHz, pF, uF).
constexpr SheetQuantity kSheetQuantities[] = {
    {FieldId::TCEdit1, nullptr, "VAC"},
    {FieldId::TCEdit2, nullptr, "A"},
    {FieldId::TCEdit3, nullptr, "Hz"},
    {FieldId::TCEdit6, nullptr, "VAC"},
    {FieldId::TCEdit7, nullptr, "%"},
    {FieldId::TOCEdit1, nullptr, "in"},
    {FieldId::TOCEdit2, nullptr, "in"},
    {FieldId::PREdit1, nullptr, "in"},
    {FieldId::PREdit2, nullptr, "in"},
    {FieldId::PREdit3, nullptr, "in"},
    {FieldId::PREdit4, nullptr, "turns"},
    {FieldId::PREdit12, nullptr, "degrees"},
    {FieldId::SEEdit1, nullptr, "in"},
    {FieldId::SEEdit2, nullptr, "in"},
    {FieldId::SEEdit14, nullptr, "pF"},
    {FieldId::PREdit5, "Primary Coil: Total Inductance", "mH"},
    {FieldId::PREdit6, "Primary Coil: Average Radius", "in"},
    {FieldId::PREdit7, "Primary Coil: Total Diameter", "in"},
    {FieldId::PREdit8, "Primary Coil: Length of wire", "ft"},
    {FieldId::PREdit9, "Primary Coil: Secondary Frequency", "kHz"},
    {FieldId::PREdit10, "Primary Coil: LpCp", "mH x pF"},
    {FieldId::PREdit11, "Primary Coil: LsCs", "mH x pF"},
    {FieldId::PREdit13, "Primary Coil: Required C", "uF"},
    {FieldId::TCEdit4, "Trans/Cap Match: Capacitor Match", "uF"},
    {FieldId::TCEdit5, "Trans/Cap Match: Power Factor Correction Capacitor", "uF"},
    {FieldId::SEEdit17, "Secondary Coil: Total Turns", "turns"},
    {FieldId::SEEdit5, "Secondary Coil: Inductance", "mH"},
    {FieldId::SEEdit6, "Secondary Coil: Radius", "in"},
    {FieldId::SEEdit7, "Secondary Coil: Circumference", "in"},
    {FieldId::SEEdit8, "Secondary Coil: Length of wire", "ft"},
    {FieldId::SEEdit9, "Secondary Coil: H/D Aspect", ""},
    {FieldId::SEEdit10, "Secondary Coil: Medhurst K", ""},
    {FieldId::SEEdit11, "Secondary Coil: Self C", "pF"},
    {FieldId::SEEdit12, "Secondary Coil: Frequency", "kHz"},
    {FieldId::SEEdit13, "Secondary Coil: Frequency With Top Load C", "kHz"},
    {FieldId::SEEdit15, "Secondary Coil: 1/4 Wave", "ft"},
    {FieldId::SEEdit16, "Secondary Coil: 1/4 Wave With Top Load", "ft"},
    {FieldId::TOCEdit3, "Topload C: Capacitance (Bert Pool)", "pF"},
    {FieldId::TOCEdit4, "Topload C: Capacitance (Rzeszotarski)", "pF"},
    {FieldId::SGEdit6, "Spark Gap: Each Gap Width", "in"},
    {FieldId::SGEdit8, "Spark Gap: Single Gap Trigger Voltage", "V"},
    {FieldId::OutputEdit1, "Power Output: Maximum Spark Output", "in"},
};

std::size_t indexOf(FieldId id) { return static_cast<std::size_t>(id); }

// Typed inputs with an edit mode: the break rate is typed too, but the spark-gap step overwrites
// it in the same pass, so no sweep of it could move a figure.
bool sweepable(const InputField& field) { return field.typed && field.trigger != EditTrigger::None; }

std::vector<SweepInput> collectInputs()
{
    std::vector<SweepInput> inputs;
    for (const SheetQuantity& q : kSheetQuantities) {
        const InputField* field = typedInput(q.id);
        if (q.caption || !field || !sweepable(*field)) continue;
        inputs.push_back({SweepInputKind::SheetField, indexOf(q.id), std::string(name(q.id)),
                          std::string(inputCaption(q.id)), q.unit, field->metric.quantity});
    }
    for (std::size_t row = 0; row < kSurroundingsInputs.size(); ++row) {
        const SurroundingsInput& g = kSurroundingsInputs[row];
        inputs.push_back({SweepInputKind::Geometry, row, std::string(g.name), "Coil Analysis: " + std::string(g.caption),
                          std::string(surroundingsUnit(g, LengthUnit::Inches)), g.quantity});
    }
    for (std::size_t row = 0; row < kTankInputs.size(); ++row) {
        const TankInput& t = kTankInputs[row];
        inputs.push_back({SweepInputKind::Tank, row, std::string(t.name), "Tank Circuit: " + std::string(t.caption),
                          std::string(t.unit), t.quantity});
    }
    return inputs;
}

struct Label {
    std::string caption;
    std::string unit;
};

// The Coil Analysis window's own caption; a figure the sheets also give says it is the other one.
Label analysisLabel(field::Figure field::Analysis::*figure)
{
    for (const ComparedFigureRow& r : kComparedFigureRows)
        if (r.solved == figure) return {std::string(r.caption) + " (as it stands)", r.unit};
    for (const SolvedFigureRow& r : kSolvedFigureRows)
        if (r.solved == figure) return {r.caption, r.unit};
    return {};
}

std::vector<SweepFigure> collectFigures()
{
    std::vector<SweepFigure> figures;
    for (const SheetQuantity& q : kSheetQuantities)
        if (q.caption)
            figures.push_back({SweepFigureKind::SheetResult, indexOf(q.id), std::string(name(q.id)), q.caption, q.unit,
                               metricOf(q.id).quantity});
    for (std::size_t row = 0; row < std::size(kAnalysisFigures); ++row) {
        const AnalysisFigure& a = kAnalysisFigures[row];
        const Label label = analysisLabel(a.figure);
        figures.push_back({SweepFigureKind::Analysis, row, std::string(a.name), "Coil Analysis: " + label.caption,
                           label.unit, a.quantity});
    }
    // The ratings verdict is words, not a figure to plot.
    for (std::size_t row = 0; row < tank::kTankFigureRows.size(); ++row) {
        const tank::TankFigureRow& t = tank::kTankFigureRows[row];
        if (t.figure)
            figures.push_back({SweepFigureKind::Tank, row, std::string(t.name), "Tank Circuit: " + std::string(t.caption),
                               std::string(t.unit), t.quantity});
    }
    return figures;
}

template <typename Entry> const Entry* byName(const std::vector<Entry>& entries, std::string_view wanted)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [wanted](const Entry& e) { return e.name == wanted; });
    return found == entries.end() ? nullptr : &*found;
}

} // namespace

const std::vector<SweepInput>& sweepInputs()
{
    static const std::vector<SweepInput> inputs = collectInputs();
    return inputs;
}

const std::vector<SweepFigure>& sweepFigures()
{
    static const std::vector<SweepFigure> figures = collectFigures();
    return figures;
}

const SweepInput* sweepInputByName(std::string_view name) { return byName(sweepInputs(), name); }
const SweepFigure* sweepFigureByName(std::string_view name) { return byName(sweepFigures(), name); }

std::string labelWithUnit(std::string_view caption, std::string_view unit)
{
    return unit.empty() ? std::string(caption) : std::string(caption) + " (" + std::string(unit) + ")";
}

double storedInputValue(const Calculator& calc, const SweepInput& input)
{
    if (input.kind == SweepInputKind::Geometry) return calc.design.surroundings.*kSurroundingsInputs[input.row].value;
    if (input.kind == SweepInputKind::Tank) return calc.design.tank.*kTankInputs[input.row].value;
    return calc.design.*typedInput(static_cast<FieldId>(input.row))->value;
}

double currentValue(const Calculator& calc, const SweepInput& input)
{
    return shownValue(storedInputValue(calc, input), input.quantity, calc.lengthUnit);
}

std::string inputUnavailable(const Calculator& calc, const SweepInput& input)
{
    if (input.kind != SweepInputKind::SheetField) return {};
    const Field& field = calc.form.field(static_cast<FieldId>(input.row));
    if (!field.visible) return input.caption + " is hidden";
    // The angle is fixed by the flat and vertical shapes; only the conical one lets it be typed.
    if (!field.enabled) return input.caption + " is disabled by the design's other choices";
    // While the top load's capacitance is copied to the secondary, every pass overwrites it.
    if (static_cast<FieldId>(input.row) == FieldId::SEEdit14 && calc.form.checked(OptionId::NoCap))
        return input.caption + " follows the Topload C sheet while \"Copy To Secondary Sheet\" is checked";
    return {};
}

// The tank's tap and stresses stand on the field solution's turn curve.
bool needsFieldSolution(const SweepFigure& figure) { return figure.kind != SweepFigureKind::SheetResult; }

} // namespace qv
