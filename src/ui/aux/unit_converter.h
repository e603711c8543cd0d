#pragma once
// The converter's six values and their rules, without the window: lengths between inches and
// millimetres and between feet and metres, angles between degrees and radians. Each quantity has a
// partner; setting one side by a step or by typing always recomputes the other from it.

#include "core/format.h"
#include "core/units.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

// In the order of the window's rows, left before right; a quantity's partner is its row neighbour.
enum class Quantity : std::uint8_t { Inches, Millimetres, Feet, Metres, Degrees, Radians };
inline constexpr std::size_t kQuantityCount = 6;

struct QuantityRule {
    const char* editName;    // the field's objectName
    const char* spinName;    // its spin button's objectName
    const char* unitLabel;
    Format display;
    double initial;          // not always the converted partner: radians start at 0.0175
    double step;
    double lowerBound;       // applied by a down step only
    double upperBound;       // applied by an up step only
    double entryMinimum;     // a typed value must lie strictly above it
};

const QuantityRule& rule(Quantity q);
Quantity partner(Quantity q);
// The partner's value for value of q, by the pair's conversion factor.
double convert(Quantity q, double value);

// The circle constant of the angle conversion.
inline constexpr double kConverterPi = kPiTo7PlacesCut;

enum class SpinDirection : std::uint8_t { Up, Down };

struct UnitConverter {
    UnitConverter();

    double value(Quantity q) const { return values[static_cast<std::size_t>(q)]; }
    std::string text(Quantity q) const; // the value in its display format

    // One spin step with the bound of its direction; the partner follows, unbounded.
    void step(Quantity q, SpinDirection direction);
    // Typed text; false (nothing changed) when it is not a number above the entry minimum or its
    // conversion would not be a finite number.
    bool enter(Quantity q, std::string_view text);

    std::array<double, kQuantityCount> values{};

private:
    void set(Quantity q, double v);
};

} // namespace qv
