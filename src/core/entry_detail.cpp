#include "core/entry_detail.h"

#include "core/format.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace qv {
namespace {

struct InputCaption {
    FieldId id;
    const char* caption;
};

constexpr InputCaption kInputCaptions[] = {
    {FieldId::TOCEdit1, "Topload C: Dt"},
    {FieldId::TOCEdit2, "Topload C: Dtc"},
    {FieldId::SEEdit14, "Secondary Coil: Top Load C"},
    {FieldId::SEEdit1, "Secondary Coil: Diameter"},
    {FieldId::SEEdit2, "Secondary Coil: Length"},
    {FieldId::PREdit1, "Primary Coil: Inside Diameter"},
    {FieldId::PREdit2, "Primary Coil: Wire Diameter"},
    {FieldId::PREdit3, "Primary Coil: Spacing"},
    {FieldId::PREdit4, "Primary Coil: Total Turns"},
    {FieldId::PREdit12, "Primary Coil: Angle From Horizontal Plane"},
    {FieldId::TCEdit1, "Trans/Cap Match: Output Voltage"},
    {FieldId::TCEdit2, "Trans/Cap Match: Rated Current"},
    {FieldId::TCEdit3, "Trans/Cap Match: Input Frequency"},
    {FieldId::TCEdit6, "Trans/Cap Match: Input Voltage"},
    {FieldId::TCEdit7, "Trans/Cap Match: PFC Rating"},
    {FieldId::SGEdit1, "Spark Gap: Break Rate"},
};

// A limit as the user would type it: no trailing zeros ("0", "90", "100000", "0.5").
std::string limitText(double limit)
{
    if (std::floor(limit) == limit) return formatField(limit, "%1.0f");
    std::string text = formatField(limit, "%1.4f");
    text.erase(text.find_last_not_of('0') + 1);
    return text;
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string{} : std::string(text.substr(first));
}

} // namespace

std::string_view inputCaption(FieldId id)
{
    const auto found = std::find_if(std::begin(kInputCaptions), std::end(kInputCaptions),
                                    [id](const InputCaption& c) { return c.id == id; });
    return found == std::end(kInputCaptions) ? name(id) : std::string_view(found->caption);
}

std::string acceptedText(const AcceptRule& rule)
{
    if (std::isinf(rule.high))
        return (rule.lowExclusive ? "a number greater than " : "a number of at least ") + limitText(rule.low);
    return "a number from " + limitText(rule.low) + " to " + limitText(rule.high);
}

std::string invalidEntryDetail(const InputField& input, std::string_view keptText, LengthUnit unit)
{
    const LengthQuantity quantity = input.metric.quantity;
    std::string accepted = acceptedText(input.rule);
    if (unit != LengthUnit::Inches && quantity != LengthQuantity::None) {
        const AcceptRule shown{shownValue(input.rule.low, quantity, unit), shownValue(input.rule.high, quantity, unit),
                               input.rule.lowExclusive};
        accepted = acceptedText(shown) + " " + std::string(unitCaption(quantity, unit));
    }
    return std::string(inputCaption(input.id)) + " takes " + accepted + "; it keeps " + trimmed(keptText) + ".";
}

} // namespace qv
