#pragma once
// How each input field relates to its design variable: the rule a typed value must meet, the
// format that restores a rejected text, how the user opens it for editing, and the display format
// every write of the program uses.

#include "core/design.h"
#include "core/form.h"
#include "core/format.h"

#include <cstdint>
#include <limits>
#include <span>

namespace qv {

// A typed value is taken when it lies in [low, high], or (low, high] for a strict lower bound.
struct AcceptRule {
    double low;
    double high;
    bool lowExclusive;
    bool admits(double value) const
    {
        return (lowExclusive ? value > low : value >= low) && value <= high;
    }
};
inline constexpr AcceptRule kPositive{0.0, std::numeric_limits<double>::infinity(), true};
inline constexpr AcceptRule inRange(double low, double high) { return {low, high, false}; }

enum class EditTrigger : std::uint8_t { Click, DoubleClick, None };

struct InputField {
    FieldId id;
    double Design::*value;
    AcceptRule rule;
    Format restore;
    EditTrigger trigger;
};

// The fields a stage reads back when the user has typed into them.
inline constexpr InputField kTypedInputs[] = {
    {FieldId::TOCEdit1, &Design::tubeDiameterInches, kPositive, "%4f", EditTrigger::Click},
    {FieldId::TOCEdit2, &Design::toroidDiameterInches, kPositive, "%4f", EditTrigger::Click},
    {FieldId::SEEdit14, &Design::topLoadPf, kPositive, "%4f", EditTrigger::Click},
    {FieldId::SEEdit1, &Design::secondaryDiameterInches, kPositive, "%4f", EditTrigger::Click},
    {FieldId::SEEdit2, &Design::secondaryLengthInches, kPositive, "%4f", EditTrigger::Click},
    {FieldId::PREdit1, &Design::primaryInsideDiameterInches, kPositive, "%4.1f", EditTrigger::Click},
    {FieldId::PREdit2, &Design::primaryWireDiameterInches, kPositive, "%4.3f", EditTrigger::Click},
    {FieldId::PREdit3, &Design::primarySpacingInches, kPositive, "%4.3f", EditTrigger::DoubleClick},
    {FieldId::PREdit4, &Design::primaryTurns, kPositive, "%4.1f", EditTrigger::Click},
    {FieldId::PREdit12, &Design::primaryAngleDegrees, inRange(0, 90), "%2.0f", EditTrigger::Click},
    {FieldId::TCEdit1, &Design::outputVolts, kPositive, "%7.0f", EditTrigger::Click},
    {FieldId::TCEdit2, &Design::ratedAmps, kPositive, "%7.3f", EditTrigger::Click},
    {FieldId::TCEdit3, &Design::lineFrequencyHz, kPositive, "%7.0f", EditTrigger::Click},
    {FieldId::TCEdit6, &Design::inputVolts, kPositive, "%7.0f", EditTrigger::Click},
    {FieldId::TCEdit7, &Design::pfcRatingPercent, inRange(1, 100), "%7.0f", EditTrigger::Click},
    // The break rate has no edit mode; the spark gap step overwrites it in the same pass.
    {FieldId::SGEdit1, &Design::breakRateHz, inRange(1, 100000), "%7.1f", EditTrigger::None},
};

// The entry for an input field, or nullptr for a field typed text never reaches.
const InputField* typedInput(FieldId id);

// Fields written from design variables, with the format they are shown in. The integer counts
// have no typed entry; the rest repeat the display formats above.
struct ShownVariable {
    FieldId id;
    Format display;
    double Design::*value = nullptr;
    std::int32_t Design::*count = nullptr;
};
inline constexpr ShownVariable kShownVariables[] = {
    {FieldId::TCEdit1, "%7.0f", &Design::outputVolts},
    {FieldId::TCEdit2, "%7.3f", &Design::ratedAmps},
    {FieldId::TCEdit3, "%7.0f", &Design::lineFrequencyHz},
    {FieldId::TCEdit6, "%7.0f", &Design::inputVolts},
    {FieldId::TCEdit7, "%7.0f", &Design::pfcRatingPercent},
    {FieldId::TOCEdit1, "%4f", &Design::tubeDiameterInches},
    {FieldId::TOCEdit2, "%4f", &Design::toroidDiameterInches},
    {FieldId::PREdit1, "%4.1f", &Design::primaryInsideDiameterInches},
    {FieldId::PREdit2, "%4.3f", &Design::primaryWireDiameterInches},
    {FieldId::PREdit3, "%4.3f", &Design::primarySpacingInches},
    {FieldId::PREdit4, "%4.1f", &Design::primaryTurns},
    {FieldId::PREdit12, "%2.0f", &Design::primaryAngleDegrees},
    {FieldId::SEEdit1, "%4f", &Design::secondaryDiameterInches},
    {FieldId::SEEdit2, "%4f", &Design::secondaryLengthInches},
    {FieldId::SEEdit3, "%4d", nullptr, &Design::secondaryGauge},
    {FieldId::SEEdit4, "%4f", &Design::turnsPerInch},
    {FieldId::SEEdit14, "%7f", &Design::topLoadPf},
    {FieldId::SGEdit1, "%4.1f", &Design::breakRateHz},
    {FieldId::SGEdit2, "%4d", nullptr, &Design::gapCount},
    {FieldId::SGEdit6, "%4.4f", &Design::gapWidthInches},
    {FieldId::SGEdit3, "%4.3f", &Design::electrodeThicknessInches},
    {FieldId::SGEdit4, "%4.2f", &Design::rotorRadiusInches},
    {FieldId::SGEdit5, "%4d", nullptr, &Design::presentations},
    {FieldId::SGEdit7, "%4d", nullptr, &Design::motorRpm},
    {FieldId::SGEdit8, "%4.0f", &Design::triggerVolts},
};

const ShownVariable& shownVariable(FieldId id);

// The input fields a design sets, in the order the form writes them from the variables: at
// creation and after a design file is opened.
inline constexpr FieldId kDesignInputFields[] = {
    FieldId::TCEdit1, FieldId::TCEdit2, FieldId::TCEdit3, FieldId::TCEdit6, FieldId::TCEdit7,
    FieldId::TOCEdit1, FieldId::TOCEdit2, FieldId::PREdit1, FieldId::PREdit2, FieldId::PREdit3,
    FieldId::PREdit4, FieldId::PREdit12, FieldId::SEEdit1, FieldId::SEEdit2, FieldId::SEEdit3,
    FieldId::SEEdit4};

// The field's text for its variable in its display format.
std::string displayText(const Design& design, const ShownVariable& shown);

} // namespace qv
