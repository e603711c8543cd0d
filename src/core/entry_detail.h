#pragma once
// The second line of the "Invalid Data Entered" box: which field refused the text, what it
// takes, and the value it kept, so the user need not search the sheets for the field.

#include "core/input_fields.h"

#include <string>
#include <string_view>

namespace qv {

// The caption the field carries on its sheet, with the sheet's name ("Primary Coil: Inside
// Diameter").
std::string_view inputCaption(FieldId id);

// What the rule takes, in words: "a number greater than 0", "a number from 0 to 90".
std::string acceptedText(const AcceptRule& rule);

// "Primary Coil: Inside Diameter takes a number greater than 0; it keeps 11.0." In millimetres a
// length's limits are converted and carry their unit: "... greater than 0 mm; it keeps 279.4."
std::string invalidEntryDetail(const InputField& input, std::string_view keptText, LengthUnit unit);

} // namespace qv
