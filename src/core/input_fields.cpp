#include "core/input_fields.h"

#include <algorithm>
#include <iterator>

namespace qv {
namespace {

template <typename Predicate> const InputField* findRow(Predicate matches)
{
    const auto found = std::find_if(std::begin(kInputFields), std::end(kInputFields), matches);
    return found == std::end(kInputFields) ? nullptr : &*found;
}

} // namespace

const InputField* inputField(FieldId id)
{
    return findRow([id](const InputField& f) { return f.id == id; });
}

const InputField* typedInput(FieldId id)
{
    return findRow([id](const InputField& f) { return f.id == id && f.typed; });
}

const InputField* steppedBy(ControlId button)
{
    return findRow([button](const InputField& f) { return f.spin == button && f.stepping.step > 0; });
}

std::optional<ControlId> spinButton(FieldId id)
{
    const InputField* row = inputField(id);
    return row ? row->spin : std::nullopt;
}

const ShownVariable& shownVariable(FieldId id) { return *inputField(id); }

Metric metricOf(FieldId id)
{
    if (const InputField* row = inputField(id)) return row->metric;
    const auto found = std::find_if(std::begin(kResultMetrics), std::end(kResultMetrics),
                                    [id](const ResultMetric& r) { return r.id == id; });
    return found == std::end(kResultMetrics) ? Metric{} : found->metric;
}

std::string fieldText(double storedValue, FieldId id, Format inchFormat, LengthUnit unit)
{
    const Metric metric = metricOf(id);
    if (unit == LengthUnit::Inches || metric.quantity == LengthQuantity::None) return formatField(storedValue, inchFormat);
    return formatField(shownValue(storedValue, metric.quantity, unit), metric.display);
}

std::string displayText(const Design& design, const ShownVariable& shown, LengthUnit unit)
{
    return shown.value ? fieldText(design.*shown.value, shown.id, shown.display, unit)
                       : formatField(design.*shown.count, shown.display);
}

} // namespace qv
