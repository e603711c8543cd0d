#include "unit_converter.h"

#include "core/number_parser.h"

#include <cmath>

namespace qv {
namespace {

// Steps of 0.1 everywhere; the bounds keep a spin step from reaching zero or a silly size.
constexpr QuantityRule kRules[kQuantityCount] = {
    {"InEdit", "InSpinButton", "in", "%7.3f", 1.0, 0.1, 0.01, 12000, 0.001},
    {"MmEdit", "MmSpinButton", "mm", "%7.4f", kMillimetresPerInch, 0.1, 0.001, 10000, 0.0001},
    {"FtEdit", "FtSpinButton", "ft", "%7.2f", 1.0, 0.1, 0.1, 10000, 0.01},
    {"MEdit", "MSpinButton", "M", "%7.4f", kMetresPerFoot, 0.1, 0.01, 10000, 0.0001},
    {"DegEdit", "DegSpinButton", "deg", "%7.2f", 1.0, 0.1, 1, 360, 0.01},
    {"RadEdit", "RadSpinButton", "rad", "%7.4f", 0.0175, 0.1, 0.02, 6.28, 0.0001},
};

std::size_t index(Quantity q) { return static_cast<std::size_t>(q); }

} // namespace

const QuantityRule& rule(Quantity q) { return kRules[index(q)]; }

Quantity partner(Quantity q) { return static_cast<Quantity>(index(q) ^ 1U); }

double convert(Quantity q, double value)
{
    switch (q) {
    case Quantity::Inches: return value * kMillimetresPerInch;
    case Quantity::Millimetres: return value / kMillimetresPerInch;
    case Quantity::Feet: return value * kMetresPerFoot;
    case Quantity::Metres: return value / kMetresPerFoot;
    case Quantity::Degrees: return kConverterPi * value / 180.0;
    case Quantity::Radians: return value * 180.0 / kConverterPi;
    }
    return value;
}

UnitConverter::UnitConverter()
{
    for (std::size_t i = 0; i < kQuantityCount; ++i) values[i] = kRules[i].initial;
}

std::string UnitConverter::text(Quantity q) const { return formatField(value(q), rule(q).display); }

void UnitConverter::set(Quantity q, double v)
{
    values[index(q)] = v;
    values[index(partner(q))] = convert(q, v);
}

void UnitConverter::step(Quantity q, SpinDirection direction)
{
    const QuantityRule& r = rule(q);
    double v = value(q);
    if (direction == SpinDirection::Up) {
        v += r.step;
        if (v > r.upperBound) v = r.upperBound;
    } else {
        v -= r.step;
        if (v < r.lowerBound) v = r.lowerBound;
    }
    set(q, v);
}

bool UnitConverter::enter(Quantity q, std::string_view text)
{
    const ParseResult parsed = parseNumber(text);
    // A value so large that its partner overflows would show "----" and poison later steps.
    if (!parsed.ok || !(parsed.value > rule(q).entryMinimum) || !std::isfinite(convert(q, parsed.value))) return false;
    set(q, parsed.value);
    return true;
}

} // namespace qv
