#pragma once
// The Tank Circuit's inputs. One table gives each input's name on the command line, its caption
// in the window, its unit, its label in the design file, the design member it sets, the values it
// takes and the format it is shown in; the window, the batch front end, the design file and the
// report all read it.

#include "core/design.h"
#include "core/format.h"
#include "core/input_rows.h"
#include "core/length_unit.h"

#include <array>
#include <limits>
#include <string>
#include <string_view>

namespace qv {

// The values an input takes: from low (or above it, when lowExclusive) up to high; whole numbers
// only when whole is set.
struct TankRule {
    double low = 0;
    double high = std::numeric_limits<double>::infinity();
    bool lowExclusive = false;
    bool whole = false;
};
inline constexpr TankRule kAboveZero{.lowExclusive = true};
inline constexpr TankRule kZeroOrMore{};
inline constexpr TankRule tankRange(double low, double high) { return {.low = low, .high = high}; }

struct TankInput {
    std::string_view name;      // --tank NAME=VALUE
    std::string_view caption;   // the window's caption
    std::string_view unit;      // "in", "uF", ..., or empty for a plain number
    std::string_view fileLabel; // the label line of its design-file record (at most 55 characters)
    double TankInputs::*value;
    TankRule rule;
    Format format;
    LengthQuantity quantity = LengthQuantity::None; // a length follows the calculator's unit
    Format metricFormat = format;                   // a length in millimetres, no coarser than in inches
};

inline constexpr std::array<TankInput, 13> kTankInputs{{
    {"cap_uf", "Tank capacitor you have (0: build the bank)", "uF", "Tank Capacitor On Hand (UF) 0 = Build The Bank",
     &TankInputs::capacitorUf, kZeroOrMore, "%6.4f"},
    {"lead_in", "Both primary leads together", "in", "Primary Leads Total Length (IN)", &TankInputs::leadLengthInches,
     kZeroOrMore, "%4.1f", LengthQuantity::LengthInches, "%5.1f"},
    {"lead_dia_in", "Lead wire diameter", "in", "Primary Lead Wire Diameter (IN)", &TankInputs::leadDiameterInches,
     kAboveZero, "%4.3f", LengthQuantity::LengthInches, "%5.2f"},
    {"ltr", "Tank size over resonant size (LTR)", "", "Tank Size Over Transformer Resonant Size (LTR)",
     &TankInputs::tankToResonantRatio, tankRange(0.2, 5), "%4.2f"},
    {"part_uf", "One capacitor of the bank", "uF", "Bank Capacitor Capacitance (UF)", &TankInputs::partUf, kAboveZero,
     "%6.4f"},
    {"part_vdc", "Its DC voltage rating", "V", "Bank Capacitor DC Voltage Rating (V)", &TankInputs::partVoltsDc,
     kAboveZero, "%4.0f"},
    {"part_ipk_a", "Its peak current rating (0: not given)", "A", "Bank Capacitor Peak Current Rating (A) 0 = None",
     &TankInputs::partPeakAmps, kZeroOrMore, "%4.0f"},
    {"part_irms_a", "Its RMS current rating (0: not given)", "A", "Bank Capacitor RMS Current Rating (A) 0 = None",
     &TankInputs::partRmsAmps, kZeroOrMore, "%4.1f"},
    {"part_dvdt_v_us", "Its dv/dt rating (0: not given)", "V/us", "Bank Capacitor dv/dt Rating (V/US) 0 = None",
     &TankInputs::partVoltsPerUs, kZeroOrMore, "%4.0f"},
    {"margin", "Bank DC rating over supply peak", "", "Bank DC Rating Over Supply Peak Voltage",
     &TankInputs::ratingMargin, tankRange(1, 10), "%4.2f"},
    {"bleeder_mohm", "Bleeder across each capacitor", "Mohm", "Bleeder Resistor Across Each Capacitor (MOHM)",
     &TankInputs::bleederMegohms, kAboveZero, "%4.1f"},
    {"quench_notch", "Gap quenches at notch", "", "Gap Quenches At Energy Transfer Notch",
     &TankInputs::quenchNotch, {.low = 1, .high = 10, .whole = true}, "%2.0f"},
    {"safety", "Safety gap fires at supply peak times", "", "Safety Gap Fires At Supply Peak Times",
     &TankInputs::safetyGapFactor, tankRange(1, 5), "%4.2f"},
}};

// The tank size over resonant size that builders' rules of thumb offer: resonant, a static gap, a
// synchronous rotary gap. Any value the rule admits is taken.
struct TankRatioChoice {
    double ratio;
    std::string_view caption;
};
inline constexpr std::array<TankRatioChoice, 3> kTankRatioChoices{{
    {1.0, "1 (resonant)"},
    {1.6, "1.6 (static gap)"},
    {2.6, "2.6 (synchronous rotary gap)"},
}};

// The input of that command-line name, or nullptr.
const TankInput* tankInputByName(std::string_view name);

// The unit the input is shown and typed in: its own, or for a length the calculator's.
std::string_view tankUnit(const TankInput& input, LengthUnit unit);

// What the input takes, in words with its unit ("0.2 to 5", "above 0 in", "a whole number from 1
// to 10"); a length's bound in the unit.
std::string acceptedValues(const TankInput& input, LengthUnit unit);

// Why a stored value (a length in inches) cannot be taken, naming the input and what it takes,
// or empty.
std::string valueRejection(const TankInput& input, double value);
// Why a text typed in the unit cannot be taken (not a number, or outside what the input takes),
// or empty.
std::string textRejection(const TankInput& input, std::string_view text, LengthUnit unit);

// The acceptance of a text typed in the unit: a length is converted once into inches; a refused
// text leaves the inputs as they were and the message also names the value kept.
InputEntry enterTank(TankInputs& tank, const TankInput& input, std::string_view text, LengthUnit unit);

// The input's value in its display format in the unit, without the unit or leading blanks.
std::string tankText(const TankInputs& tank, const TankInput& input, LengthUnit unit);

} // namespace qv
