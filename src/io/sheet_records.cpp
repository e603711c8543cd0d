#include "io/sheet_records.h"

#include "calc/stages.h"
#include "core/input_fields.h"

#include <array>
#include <cmath>
#include <span>

namespace qv {
namespace {

// An option record: a check box is saved as 1 (on) or 0 (off); a group of radio buttons as the
// number of the one that is on, counted from 1 in the order of the label.
struct OptionRecord {
    std::string_view label;
    std::span<const OptionId> options;
    bool isCheckBox() const { return options.size() == 1; }
};

constexpr OptionId kPrimaryShapes[] = {OptionId::FlatPrimary, OptionId::VerticalPrimary, OptionId::ConicalPrimary};
constexpr OptionId kTopLoadOn[] = {OptionId::TopLoadCheck};
constexpr OptionId kTopLoadShapes[] = {OptionId::ToroidSelect, OptionId::SphereSelect};
constexpr OptionId kToroidEquations[] = {OptionId::BertPoolButton, OptionId::PhysicsButton};
constexpr OptionId kCopyToSecondary[] = {OptionId::NoCap};
constexpr OptionId kGapKinds[] = {OptionId::RadioButton1, OptionId::RadioButton2};

// Labels are at most 55 characters, as the 18 records' are.
constexpr OptionRecord kOptionRecords[] = {
    {"Primary Coil Shape 1 = Flat 2 = Vertical 3 = Conical", kPrimaryShapes},
    {"Top Load On Secondary (W/Top Load C) 1 = Yes 0 = No", kTopLoadOn},
    {"Top Load Shape 1 = Toroid 2 = Sphere", kTopLoadShapes},
    {"Toroid Equation 1 = Bert Pool 2 = Rzeszotarski", kToroidEquations},
    {"Copy Top Load C To Secondary Sheet 1 = Yes 0 = No", kCopyToSecondary},
    {"Spark Gap 1 = Series Gaps 2 = Rotary Gap", kGapKinds},
};

// The spark gap's stepped quantities; the value, its limits and whether it is a count come from
// the field table's row.
struct QuantityRecord {
    std::string_view label;
    FieldId field;
};
constexpr QuantityRecord kQuantityRecords[] = {
    {"Number of Series Gaps", FieldId::SGEdit2},
    {"Rotary Gap Largest Electrode Thickness (IN)", FieldId::SGEdit3},
    {"Rotary Gap Rotating Electrode Radius (IN)", FieldId::SGEdit4},
    {"Rotary Gap Presentations Per Revolution", FieldId::SGEdit5},
    {"Rotary Gap Motor RPM", FieldId::SGEdit7},
};

constexpr std::size_t kOptionRecordCount = std::size(kOptionRecords);

const OptionRecord* optionRecord(std::size_t record)
{
    return record < kOptionRecordCount ? &kOptionRecords[record] : nullptr;
}
const InputField& quantityField(std::size_t record) { return *inputField(kQuantityRecords[record - kOptionRecordCount].field); }

std::string_view label(std::size_t record)
{
    if (const OptionRecord* option = optionRecord(record)) return option->label;
    return kQuantityRecords[record - kOptionRecordCount].label;
}

double optionValue(const Form& form, const OptionRecord& option)
{
    if (option.isCheckBox()) return form.checked(option.options.front()) ? 1 : 0;
    for (std::size_t i = 0; i < option.options.size(); ++i)
        if (form.checked(option.options[i])) return static_cast<double>(i + 1);
    return 1; // the form always has one button of a group on; the first stands for none
}

double value(const Calculator& calc, std::size_t record)
{
    if (const OptionRecord* option = optionRecord(record)) return optionValue(calc.form, *option);
    const InputField& field = quantityField(record);
    return field.value ? calc.design.*field.value : static_cast<double>(calc.design.*field.count);
}

bool isWhole(double value) { return value == std::trunc(value); }

bool admits(std::size_t record, double value)
{
    if (const OptionRecord* option = optionRecord(record)) {
        const double lowest = option->isCheckBox() ? 0 : 1;
        const double highest = option->isCheckBox() ? 1 : static_cast<double>(option->options.size());
        return isWhole(value) && value >= lowest && value <= highest;
    }
    // A value the spin button could reach; a count must be whole.
    const InputField& field = quantityField(record);
    const Stepping& limits = field.stepping;
    return value >= limits.lowest && value <= limits.highest && (field.value || isWhole(value));
}

// Clicking a radio button also rearranges its sheet (the gap kind shows its own fields), as it
// does for the user.
void takeOption(Calculator& calc, const OptionRecord& option, double value)
{
    if (option.isCheckBox()) {
        calc.form.setChecked(option.options.front(), value != 0);
        return;
    }
    clickOption(calc, option.options[static_cast<std::size_t>(value) - 1]);
}

void take(Calculator& calc, std::size_t record, double value)
{
    if (const OptionRecord* option = optionRecord(record)) {
        takeOption(calc, *option, value);
        return;
    }
    // Not every spark-gap field is rewritten by the pass (the motor speed is not), so it is here.
    const InputField& field = quantityField(record);
    if (field.value) calc.design.*field.value = value;
    else calc.design.*field.count = static_cast<std::int32_t>(value);
    showVariable(calc, field.id);
}

} // namespace

const RecordGroup kSheetRecords{
    .count = kOptionRecordCount + std::size(kQuantityRecords),
    .label = label,
    .value = value,
    .admits = admits,
    .take = take,
    .reset = nullptr,
};

} // namespace qv
