#include "core/calculator.h"

#include "calc/stages.h"
#include "core/entry_detail.h"
#include "core/format.h"
#include "core/number_parser.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>

namespace qv {
namespace {

constexpr double kGapVoltsPerInch = 8400; // sparking voltage of an air gap
constexpr double kSeriesFiringsPerCycle = 2;

// Notes shown in the scratch pad on the start picture; BEGIN empties it.
constexpr const char* kStartScratchPad =
    "New features for Quorvane 4.0.0 include:\n"
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

// Inputs the form leaves writable until their first edit ends, and results it leaves writable
// (their typed text is never read). Every other field starts read-only, among them the spark
// gap's stepped quantities: text typed there would show a value the calculation never uses.
constexpr FieldId kInitiallyWritable[] = {
    FieldId::TCEdit3, FieldId::TCEdit6, FieldId::TCEdit7, FieldId::TOCEdit1, FieldId::TOCEdit2,
    FieldId::SEEdit14, FieldId::SGEdit1, FieldId::PREdit10, FieldId::PREdit11, FieldId::TCEdit5,
    FieldId::SEEdit15, FieldId::SEEdit16, FieldId::TOCEdit3, FieldId::TOCEdit4, FieldId::SGEdit6,
    FieldId::SGEdit8};

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

// The Spark Gap sheet starts in the series arrangement; the break-rate and gap-width spin
// buttons never show.
constexpr ControlId kHiddenAtStart[] = {
    ControlId::SGLabel3, ControlId::SGLabel4, ControlId::SGLabel5, ControlId::SGLabel7,
    ControlId::SGSpinButton1, ControlId::SGSpinButton3, ControlId::SGSpinButton4,
    ControlId::SGSpinButton5, ControlId::SGSpinButton6, ControlId::SGSpinButton7};
constexpr FieldId kHiddenFieldsAtStart[] = {FieldId::SGEdit3, FieldId::SGEdit4, FieldId::SGEdit5, FieldId::SGEdit7};

// After the design's inputs, creation writes the spark gap's fields in this order.
constexpr FieldId kSparkGapCreationWrites[] = {
    FieldId::SGEdit1, FieldId::SGEdit2, FieldId::SGEdit6, FieldId::SGEdit3,
    FieldId::SGEdit4, FieldId::SGEdit5, FieldId::SGEdit7, FieldId::SGEdit8};

void setUpControls(Form& form)
{
    for (const FieldId id : kInitiallyWritable) form.setReadOnly(id, false);
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
    d.gapWidthInches = d.outputVolts / kGapVoltsPerInch / d.gapCount;
    d.triggerVolts = d.gapWidthInches * kGapVoltsPerInch;
}

// Clears the pass guard however the pass ends.
class PassGuard {
public:
    explicit PassGuard(bool& flag) : flag_(flag) { flag_ = true; }
    ~PassGuard() { flag_ = false; }
    PassGuard(const PassGuard&) = delete;
    PassGuard& operator=(const PassGuard&) = delete;

private:
    bool& flag_;
};

} // namespace

Calculator::Calculator(Host& h) : host(&h)
{
    stopTimer(*this);
    setUpControls(form);
    setDerivedDefaults(design);
    for (const FieldId id : kDesignInputFields) showVariable(*this, id);
    for (const FieldId id : kSparkGapCreationWrites) showVariable(*this, id);
    // Before the first pass these two show fewer decimals than the pass will.
    form.write(FieldId::SGEdit3, formatField(design.electrodeThicknessInches, "%4.2f"));
    scratchPad = kStartScratchPad;
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

const InputField* typedInput(FieldId id)
{
    const auto found = std::find_if(std::begin(kTypedInputs), std::end(kTypedInputs),
                                    [id](const InputField& f) { return f.id == id; });
    return found == std::end(kTypedInputs) ? nullptr : &*found;
}

const ShownVariable& shownVariable(FieldId id)
{
    return *std::find_if(std::begin(kShownVariables), std::end(kShownVariables),
                         [id](const ShownVariable& v) { return v.id == id; });
}

std::string displayText(const Design& design, const ShownVariable& shown)
{
    return shown.value ? formatField(design.*shown.value, shown.display)
                       : formatField(design.*shown.count, shown.display);
}

void showVariable(Calculator& calc, FieldId id)
{
    calc.form.write(id, displayText(calc.design, shownVariable(id)));
}

void showResult(Calculator& calc, FieldId id, double value, Format format)
{
    calc.form.write(id, formatField(value, format));
}

bool acceptInput(Calculator& calc, FieldId id)
{
    const InputField& input = *typedInput(id);
    if (!calc.form.field(id).modified) return false;
    const ParseResult parsed = parseNumber(calc.form.field(id).text);
    double& variable = calc.design.*input.value;
    if (parsed.ok && input.rule.admits(parsed.value)) {
        variable = parsed.value;
        return true;
    }
    // Restore first: passes that run while the box is open find the mark cleared.
    calc.form.write(id, formatField(variable, input.restore));
    warn(calc, kInvalidDataMessage, invalidEntryDetail(input, calc.form.field(id).text));
    return false;
}

void Main_Loop1(Calculator& calc)
{
    if (calc.passInProgress) return;
    const PassGuard guard(calc.passInProgress);
    calc.form.statusPanels[0] = calc.designFileName;
    Update_T_C(calc);
    Update_Sec(calc);
    Update_Pri(calc);
    Update_Parms(calc);
    calc.topLoadFlag = calc.form.checked(OptionId::TopLoadCheck);
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

void clickOption(Calculator& calc, OptionId id)
{
    const bool isCheckBox = id == OptionId::TopLoadCheck || id == OptionId::NoCap;
    calc.form.setChecked(id, isCheckBox ? !calc.form.checked(id) : true);
    if (id == OptionId::RadioButton1) RadioButton1Click(calc);
    if (id == OptionId::RadioButton2) RadioButton2Click(calc);
}

void BeginButtonClick(Calculator& calc)
{
    calc.form.statusPanels[1] = "Running";
    calc.form.activeSheet = Sheet::PrimarySheet;
    startTimer(calc);
    replaceScratchPad(calc, {});
}

void SplashButtonClick(Calculator& calc)
{
    calc.form.statusPanels[1] = kStartNotice;
    calc.form.activeSheet = Sheet::PrimarySheet;
    stopTimer(calc);
}

} // namespace qv
