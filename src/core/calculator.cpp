#include "core/calculator.h"

#include "core/entry_detail.h"
#include "core/format.h"
#include "core/number_parser.h"
#include "core/units.h"
#include "core/version.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace qv {
namespace {

// Notes shown in the scratch pad on the start picture, after their heading with the version;
// BEGIN empties it.
constexpr const char* kStartNotesHeading = "New features for Quorvane ";
constexpr const char* kStartNotes =
    " include:\n"
    "New Windows Format Help Files\n"
    "\n"
    "Bug Fixes:\n"
    "\n"
    "\n"
    "Default design parameters are from my 8x6 coil\n"
    "shown on opening splash screen.\n"
    "\n"
    "\n"
    "DISCLAIMER:I ...State Your Name...will not hold \n"
    "the Quorvane program responsible for my simulated death \n"
    "from simulating the design of a high voltage device, and I \n"
    "understand that Quorvane is only a tool, and that \n"
    "building a real Tesla Coil is hard work (requiring lots of $$)\n"
    "and will probably not work the first time anyway \n"
    "- no matter what I do. AMEN";

// Results the form leaves writable (their typed text is never read); the fields of the table say
// for themselves. Every other field starts read-only.
constexpr FieldId kResultsWritable[] = {FieldId::PREdit10, FieldId::PREdit11, FieldId::TCEdit5,
                                        FieldId::SEEdit15, FieldId::SEEdit16, FieldId::TOCEdit3,
                                        FieldId::TOCEdit4};

struct ControlCaption {
    ControlId id;
    const char* caption;
};
constexpr ControlCaption kControlCaptions[] = {
    {ControlId::Label89, "Number of Gaps"},
    {ControlId::Label90, "Each Gap Width (IN)"},
    {ControlId::Label92, "Single Gap"},
    {ControlId::SGLabel3, "Thickness of Largest Electrode"},
    {ControlId::SGLabel4, "Radius of Rotating Electrode"},
    {ControlId::SGLabel5, "Number of Presentations Per Revolution"},
    {ControlId::SGLabel7, "Motor RPM"},
    {ControlId::TOCLabel1, "Dt"},
    {ControlId::TOCLabel2, "Dtc"},
    {ControlId::TOCUnitLabel2, "in"},
    {ControlId::BertPoolLabel, "Use Bert Pool Equation"},
    {ControlId::PhysicsLabel, "Use Mark Rzeszotarski Equation"},
    {ControlId::PhysicsNoteLabel, "From Australian Journal of Physics"},
    {ControlId::TOCCapacitanceLabel4, "Capacitance"},
    {ControlId::TOCUnitLabel4, "pf"},
};

// Unit labels the form holds as controls (they hide with their field), each naming its field's unit.
struct UnitLabel {
    ControlId label;
    FieldId field;
};
constexpr UnitLabel kUnitLabels[] = {{ControlId::TOCUnitLabel2, FieldId::TOCEdit2}};

// The Spark Gap sheet starts in the series arrangement; the break-rate and gap-width spin
// buttons never show.
constexpr ControlId kHiddenAtStart[] = {
    ControlId::SGLabel3, ControlId::SGLabel4, ControlId::SGLabel5, ControlId::SGLabel7,
    ControlId::SGSpinButton1, ControlId::SGSpinButton3, ControlId::SGSpinButton4,
    ControlId::SGSpinButton5, ControlId::SGSpinButton6, ControlId::SGSpinButton7};
constexpr FieldId kHiddenFieldsAtStart[] = {FieldId::SGEdit3, FieldId::SGEdit4, FieldId::SGEdit5, FieldId::SGEdit7};

void setUpControls(Form& form)
{
    for (const InputField& f : kInputFields)
        if (f.startsWritable) form.setReadOnly(f.id, false);
    for (const FieldId id : kResultsWritable) form.setReadOnly(id, false);
    form.setEnabled(FieldId::OutputEdit1, false);
    for (const auto& [id, text] : kControlCaptions) form.setCaption(id, text);
    for (const ControlId id : kHiddenAtStart) form.setVisible(id, false);
    for (const FieldId id : kHiddenFieldsAtStart) form.setVisible(id, false);

    // The form marks the flat spiral; the start design is the saucer.
    form.setChecked(OptionId::FlatPrimary, true);
    form.setChecked(OptionId::TopLoadCheck, true);
    form.setChecked(OptionId::ConicalPrimary, true);
    form.setChecked(OptionId::NoCap, true);
    form.setChecked(OptionId::ToroidSelect, true);
    form.setChecked(OptionId::BertPoolButton, true);
    form.setChecked(OptionId::RadioButton1, true);

    form.statusPanels = {"Untitled.qvd  ", kStartNotice};
}

void setDerivedDefaults(Design& d)
{
    d.turnsPerInch = turnsPerInchForGauge(d.secondaryGauge);
    d.breakRateHz = d.lineFrequencyHz * kSeriesFiringsPerCycle;
    d.gapWidthInches = seriesGapWidthInches(d.outputVolts, d.gapCount);
    d.triggerVolts = d.gapWidthInches * kGapVoltsPerInch;
}

} // namespace

Calculator::Calculator(Host& h) : host(&h)
{
    stopTimer(*this);
    setUpControls(form);
    setDerivedDefaults(design);
    for (const InputField& f : kInputFields)
        if (f.firstWrite != FirstWrite::FirstPass) showVariable(*this, f.id);
    // Before the first pass these two show fewer decimals than the pass will.
    form.write(FieldId::SGEdit3, formatField(design.electrodeThicknessInches, "%4.2f"));
    scratchPad = std::string(kStartNotesHeading) + kProgramVersion + kStartNotes;
    referenceRecords = qv::referenceRecords(design);
    referenceList = buildReferenceList(designFileName, referenceRecords);
}

void replaceScratchPad(Calculator& calc, std::string text)
{
    calc.scratchPad = std::move(text);
    ++calc.scratchPadRevision;
}

void warn(Calculator& calc, std::string_view text) { calc.host->warning(text); }

void warn(Calculator& calc, std::string_view text, std::string_view detail)
{
    calc.host->warningWithDetail(text, detail);
}

void startTimer(Calculator& calc)
{
    calc.timerRunning = true;
    calc.host->timerChanged(true);
}

void stopTimer(Calculator& calc)
{
    calc.timerRunning = false;
    calc.host->timerChanged(false);
}

void showVariable(Calculator& calc, FieldId id)
{
    calc.form.write(id, displayText(calc.design, shownVariable(id), calc.lengthUnit));
}

void showResult(Calculator& calc, FieldId id, double value, Format format)
{
    calc.shownResults[static_cast<std::size_t>(id)] = value;
    calc.shownResultFormats[static_cast<std::size_t>(id)] = format;
    calc.form.write(id, fieldText(value, id, format, calc.lengthUnit));
}

bool acceptInput(Calculator& calc, FieldId id)
{
    const InputField& input = *typedInput(id);
    if (!calc.form.field(id).modified) return false;
    const ParseResult parsed = parseNumber(calc.form.field(id).text);
    double& variable = calc.design.*input.value;
    // The rule is the inch rule, so it judges the value the variable would hold.
    const double stored = storedValue(parsed.value, input.metric.quantity, calc.lengthUnit);
    if (parsed.ok && input.rule.admits(stored)) {
        variable = stored;
        return true;
    }
    // Restore first: passes that run while the box is open find the mark cleared.
    calc.form.write(id, fieldText(variable, id, input.restoreFormat(), calc.lengthUnit));
    warn(calc, kInvalidDataMessage, invalidEntryDetail(input, calc.form.field(id).text, calc.lengthUnit));
    return false;
}

void switchLengthUnit(Calculator& calc, LengthUnit unit)
{
    if (unit == calc.lengthUnit) return;
    for (const InputField& f : kInputFields)
        if (f.typed && f.metric.quantity != LengthQuantity::None) acceptInput(calc, f.id);
    calc.lengthUnit = unit;
    for (const InputField& f : kInputFields)
        if (f.metric.quantity != LengthQuantity::None && f.firstWrite != FirstWrite::FirstPass) showVariable(calc, f.id);
    // A field being edited holds the timer, so no pass would come to rewrite the results.
    for (const ResultMetric& r : kResultMetrics) {
        const auto index = static_cast<std::size_t>(r.id);
        if (const std::optional<Format>& format = calc.shownResultFormats[index])
            calc.form.write(r.id, fieldText(calc.shownResults[index], r.id, *format, unit));
    }
    for (const auto& [label, field] : kUnitLabels)
        calc.form.setCaption(label, unitCaption(metricOf(field).quantity, unit));
}

void acceptSheetInputs(Calculator& calc, Sheet sheet)
{
    for (const InputField& f : kInputFields)
        if (f.typed && f.sheet == sheet) acceptInput(calc, f.id);
}

bool beginEdit(Calculator& calc, FieldId id)
{
    const InputField* input = typedInput(id);
    if (!input || input->trigger == EditTrigger::None || !calc.form.field(id).enabled) return false;
    stopTimer(calc);
    calc.form.setReadOnly(id, false);
    calc.form.setColour(id, Colour::Aqua);
    return true;
}

void endEdit(Calculator& calc, FieldId id)
{
    startTimer(calc);
    calc.form.setReadOnly(id, true);
    calc.form.setColour(id, Colour::White);
}

void BeginButtonClick(Calculator& calc)
{
    calc.form.statusPanels[1] = "Running";
    calc.form.activeSheet = Sheet::PrimarySheet;
    startTimer(calc);
    if (!calc.startNoticeShown) return;
    calc.startNoticeShown = false;
    replaceScratchPad(calc, {});
}

void SplashButtonClick(Calculator& calc)
{
    calc.form.statusPanels[1] = kStartNotice;
    calc.form.activeSheet = Sheet::PrimarySheet;
    stopTimer(calc);
}

} // namespace qv
