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

std::string displayText(const Design& design, const ShownVariable& shown)
{
    return shown.value ? formatField(design.*shown.value, shown.display)
                       : formatField(design.*shown.count, shown.display);
}

} // namespace qv
