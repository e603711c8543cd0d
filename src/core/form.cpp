#include "core/form.h"

#include <algorithm>
#include <span>
#include <type_traits>

namespace qv {
namespace {

#define QV_NAME(name) #name,
constexpr std::array<std::string_view, kFieldCount> kFieldNames{QV_INPUT_FIELDS(QV_NAME) QV_RESULT_FIELDS(QV_NAME)};
constexpr std::array<std::string_view, kOptionCount> kOptionNames{QV_OPTIONS(QV_NAME)};
constexpr std::array<std::string_view, kControlCount> kControlNames{QV_CONTROLS(QV_NAME)};
#undef QV_NAME

constexpr std::array<std::string_view, kSheetCount> kSheetCaptions{
    "Primary Coil", "Secondary Coil", "Trans/Cap Match", "Topload C", "Reference", "Spark Gap", "Power Output"};

// Radio buttons that exclude each other; the check boxes belong to no group.
constexpr std::array kPrimaryShapes{OptionId::FlatPrimary, OptionId::VerticalPrimary, OptionId::ConicalPrimary};
constexpr std::array kTopLoadShapes{OptionId::ToroidSelect, OptionId::SphereSelect};
constexpr std::array kTopLoadEquations{OptionId::BertPoolButton, OptionId::PhysicsButton};
constexpr std::array kGapKinds{OptionId::RadioButton1, OptionId::RadioButton2};
constexpr std::array<std::span<const OptionId>, 4> kRadioGroups{kPrimaryShapes, kTopLoadShapes, kTopLoadEquations, kGapKinds};

template <typename Id, std::size_t N>
std::optional<Id> byName(const std::array<std::string_view, N>& names, std::string_view wanted)
{
    const auto found = std::find(names.begin(), names.end(), wanted);
    if (found == names.end()) return std::nullopt;
    return static_cast<Id>(found - names.begin());
}

} // namespace

std::string_view name(FieldId id) { return kFieldNames[static_cast<std::size_t>(id)]; }
std::string_view name(OptionId id) { return kOptionNames[static_cast<std::size_t>(id)]; }
std::string_view name(ControlId id) { return kControlNames[static_cast<std::size_t>(id)]; }
std::string_view caption(Sheet sheet) { return kSheetCaptions[static_cast<std::size_t>(sheet)]; }
std::optional<FieldId> fieldByName(std::string_view wanted) { return byName<FieldId>(kFieldNames, wanted); }
std::optional<OptionId> optionByName(std::string_view wanted) { return byName<OptionId>(kOptionNames, wanted); }
std::optional<ControlId> controlByName(std::string_view wanted) { return byName<ControlId>(kControlNames, wanted); }

template <typename Id> void Form::touch(Id id)
{
    if constexpr (std::is_same_v<Id, FieldId>) fieldRevisions_[index(id)] = nextRevision_++;
    else if constexpr (std::is_same_v<Id, OptionId>) optionRevisions_[index(id)] = nextRevision_++;
    else controlRevisions_[index(id)] = nextRevision_++;
}

void Form::write(FieldId id, std::string_view text)
{
    Field& f = fields_[index(id)];
    f.modified = false;
    // An unchanged text is no change for the view: a pass rewriting equal texts costs no repaint.
    if (f.text == text) return;
    f.text = text;
    touch(id);
}

void Form::type(FieldId id, std::string_view text)
{
    // The same change as the program's, but the mark says the user made it.
    write(id, text);
    fields_[index(id)].modified = true;
}

namespace {
template <typename T> bool assign(T& target, T value)
{
    if (target == value) return false;
    target = value;
    return true;
}
} // namespace

void Form::setReadOnly(FieldId id, bool readOnly) { if (assign(fields_[index(id)].readOnly, readOnly)) touch(id); }
void Form::setEnabled(FieldId id, bool enabled) { if (assign(fields_[index(id)].enabled, enabled)) touch(id); }
void Form::setVisible(FieldId id, bool visible) { if (assign(fields_[index(id)].visible, visible)) touch(id); }
void Form::setColour(FieldId id, Colour colour) { if (assign(fields_[index(id)].colour, colour)) touch(id); }

void Form::setChecked(OptionId id, bool checked)
{
    if (checked) {
        for (const auto& group : kRadioGroups) {
            if (std::find(group.begin(), group.end(), id) == group.end()) continue;
            for (const OptionId other : group)
                if (other != id && assign(options_[index(other)].checked, false)) touch(other);
        }
    }
    if (assign(options_[index(id)].checked, checked)) touch(id);
}

void Form::setVisible(OptionId id, bool visible) { if (assign(options_[index(id)].visible, visible)) touch(id); }

void Form::setCaption(ControlId id, std::string_view caption)
{
    Control& c = controls_[index(id)];
    if (c.caption == caption) return;
    c.caption = caption;
    touch(id);
}

void Form::setVisible(ControlId id, bool visible) { if (assign(controls_[index(id)].visible, visible)) touch(id); }
void Form::setEnabled(ControlId id, bool enabled) { if (assign(controls_[index(id)].enabled, enabled)) touch(id); }

} // namespace qv
