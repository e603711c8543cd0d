#pragma once
// The table of the fields that show design variables: one row holds every fact of a field, and
// creation, the acceptance step, edit mode, the spin buttons, the Reference list, the design-file
// reader and the sheets all read it.

#include "core/design.h"
#include "core/form.h"
#include "core/format.h"
#include "core/length_unit.h"

#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

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

// When the program first writes a field from its variable: at creation and again after a design
// file is opened (the design's own inputs), at creation only (the spark gap's), or not before the
// first pass (the top-load capacitance, which the top-load stage may replace).
enum class FirstWrite : std::uint8_t { CreationAndOpening, Creation, FirstPass };

// The few spin buttons that do more than step their variable between fixed limits.
enum class StepRule : std::uint8_t {
    Plain,
    Gauge,          // stays on the gauge table at both ends, then sets the turns per inch
    CustomTurns,    // turns per inch stepped by hand: the gauge field reads "Custom"
    ElectrodePitch, // the electrode's thickness may not pass the arc between two presentations
};

// How one press of an arrow changes the variable; a step of 0 means the button has no arrows.
struct Stepping {
    double step = 0;
    double lowest = 0;
    double highest = 0;
    StepRule rule = StepRule::Plain;
    bool takesFocus = false; // the secondary's buttons move the keyboard focus to their field
};

// Where the value stands in the Reference list and the design file; record 0 is none.
struct ReferenceSlot {
    std::size_t record = 0;
    std::string_view label;
};

// What a field's variable measures, and how a millimetre session shows it: its format there
// (never coarser than the inch format: the same decimals of a millimetre, one more of a metre or
// a turn per centimetre) and one press of an arrow in the metric unit, a round amount a builder
// measures by. The limits of the stepping stay the inch ones.
struct Metric {
    LengthQuantity quantity = LengthQuantity::None;
    Format display{0, 2};
    double step = 0;
};

inline constexpr double kNoUpperLimit = std::numeric_limits<double>::infinity();

// Everything the program knows about one field that shows a design variable: the variable, its
// display format and first write, whether a stage reads typed text back (with the rule the value
// must meet, the format a rejected text is restored in and the event that opens edit mode), its
// spin button and stepping, and its Reference record. The rule also checks a design file's value.
struct InputField {
    FieldId id;
    Sheet sheet;
    double Design::*value = nullptr;       // a float quantity, or
    std::int32_t Design::*count = nullptr; // an integer count
    Format display;
    FirstWrite firstWrite = FirstWrite::Creation;
    bool startsWritable = false; // writable until its first edit mode ends, as the form leaves it
    bool typed = false;
    AcceptRule rule = kPositive;
    std::optional<Format> restore{}; // the display format when unset
    EditTrigger trigger = EditTrigger::None;
    std::optional<ControlId> spin{};
    Stepping stepping{};
    ReferenceSlot reference{};
    Metric metric{};

    Format restoreFormat() const { return restore.value_or(display); }
};

// One row per field, in the order creation writes them (the top-load capacitance excepted).
inline constexpr InputField kInputFields[] = {
    {.id = FieldId::TCEdit1, .sheet = Sheet::TransCapSheet, .value = &Design::outputVolts, .display = "%7.0f",
     .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::TCSpinButton1, .stepping = {100, 100, 150000},
     .reference = {1, "Primary Transformer Output Voltage (VAC)"}},
    {.id = FieldId::TCEdit2, .sheet = Sheet::TransCapSheet, .value = &Design::ratedAmps, .display = "%7.3f",
     .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::TCSpinButton2, .stepping = {0.005, 0.005, 100},
     .reference = {2, "Primary Transformer Rated Current (AMP)"}},
    {.id = FieldId::TCEdit3, .sheet = Sheet::TransCapSheet, .value = &Design::lineFrequencyHz, .display = "%7.0f",
     .firstWrite = FirstWrite::CreationAndOpening, .startsWritable = true, .typed = true,
     .trigger = EditTrigger::Click, .spin = ControlId::TCSpinButton3, .stepping = {10, 10, 150000},
     .reference = {3, "Primary Transformer Input Frequency (HZ)"}},
    {.id = FieldId::TCEdit6, .sheet = Sheet::TransCapSheet, .value = &Design::inputVolts, .display = "%7.0f",
     .firstWrite = FirstWrite::CreationAndOpening, .startsWritable = true, .typed = true,
     .trigger = EditTrigger::Click, .spin = ControlId::TCSpinButton4, .stepping = {5, 1, 15000},
     .reference = {4, "Primary Transformer Input Voltage (VAC)"}},
    {.id = FieldId::TCEdit7, .sheet = Sheet::TransCapSheet, .value = &Design::pfcRatingPercent, .display = "%7.0f",
     .firstWrite = FirstWrite::CreationAndOpening, .startsWritable = true, .typed = true,
     .rule = inRange(1, 100), .trigger = EditTrigger::Click, .spin = ControlId::TCSpinButton5,
     .stepping = {1, 1, 100}, .reference = {18, "Primary Transformer PFC Rating (%)"}},
    {.id = FieldId::TOCEdit1, .sheet = Sheet::TopLoadCSheet, .value = &Design::tubeDiameterInches, .display = "%4f",
     .firstWrite = FirstWrite::CreationAndOpening, .startsWritable = true, .typed = true,
     .trigger = EditTrigger::Click, .spin = ControlId::TOCSpinButton1, .stepping = {0.05, 0.05, kNoUpperLimit},
     .reference = {16, "Sphere Radius/Toroid Tube Diameter (IN)"},
     .metric = {LengthQuantity::LengthInches, "%6.2f", 1}},
    {.id = FieldId::TOCEdit2, .sheet = Sheet::TopLoadCSheet, .value = &Design::toroidDiameterInches, .display = "%4f",
     .firstWrite = FirstWrite::CreationAndOpening, .startsWritable = true, .typed = true,
     .trigger = EditTrigger::Click, .spin = ControlId::TOCSpinButton2, .stepping = {0.05, 0.05, kNoUpperLimit},
     .reference = {17, "Toroid Diameter Tube Center-to-Center (IN)"},
     .metric = {LengthQuantity::LengthInches, "%6.2f", 1}},
    {.id = FieldId::PREdit1, .sheet = Sheet::PrimarySheet, .value = &Design::primaryInsideDiameterInches,
     .display = "%4.1f", .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::PRSpinButton1, .stepping = {0.1, 1, 20}, .reference = {5, "Primary Coil Inside Diameter (IN)"},
     .metric = {LengthQuantity::LengthInches, "%5.1f", 1}},
    {.id = FieldId::PREdit2, .sheet = Sheet::PrimarySheet, .value = &Design::primaryWireDiameterInches,
     .display = "%4.3f", .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::PRSpinButton2, .stepping = {0.001, 0.001, 1},
     .reference = {6, "Primary Coil Wire Diameter (IN)"},
     .metric = {LengthQuantity::LengthInches, "%5.3f", 0.01}},
    {.id = FieldId::PREdit3, .sheet = Sheet::PrimarySheet, .value = &Design::primarySpacingInches, .display = "%4.3f",
     .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::DoubleClick,
     .spin = ControlId::PRSpinButton3, .stepping = {0.01, 0.1, 2}, .reference = {7, "Primary Coil Wire Spacing (IN)"},
     .metric = {LengthQuantity::LengthInches, "%5.3f", 0.1}},
    {.id = FieldId::PREdit4, .sheet = Sheet::PrimarySheet, .value = &Design::primaryTurns, .display = "%4.1f",
     .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::PRSpinButton4, .stepping = {0.1, 1, 100}, .reference = {8, "Primary Coil Number of Turns"}},
    {.id = FieldId::PREdit12, .sheet = Sheet::PrimarySheet, .value = &Design::primaryAngleDegrees, .display = "%2.0f",
     .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .rule = inRange(0, 90),
     .trigger = EditTrigger::Click, .reference = {9, "Primary Coil Angle From Horizontal Plane (DEGREES)"}},
    {.id = FieldId::SEEdit1, .sheet = Sheet::SecondarySheet, .value = &Design::secondaryDiameterInches,
     .display = "%4f", .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::SESpinButton1, .stepping = {0.01, 1, 36, StepRule::Plain, true},
     .reference = {11, "Secondary Coil Total Outside Diameter (IN)"},
     .metric = {LengthQuantity::LengthInches, "%6.2f", 0.1}},
    {.id = FieldId::SEEdit2, .sheet = Sheet::SecondarySheet, .value = &Design::secondaryLengthInches,
     .display = "%4f", .firstWrite = FirstWrite::CreationAndOpening, .typed = true, .trigger = EditTrigger::Click,
     .spin = ControlId::SESpinButton2, .stepping = {0.1, 1, 72, StepRule::Plain, true},
     .reference = {12, "Length of Secondary Coil (IN)"},
     .metric = {LengthQuantity::LengthInches, "%6.2f", 1}},
    // Stepped only; record 10 beside it is the gauge's wire diameter.
    {.id = FieldId::SEEdit3, .sheet = Sheet::SecondarySheet, .count = &Design::secondaryGauge, .display = "%4d",
     .firstWrite = FirstWrite::CreationAndOpening, .spin = ControlId::SESpinButton3,
     .stepping = {1, kSmallestGauge, kLargestGauge, StepRule::Gauge, true}, .reference = {13, "Secondary Wire Gauge"}},
    {.id = FieldId::SEEdit4, .sheet = Sheet::SecondarySheet, .value = &Design::turnsPerInch, .display = "%4f",
     .firstWrite = FirstWrite::CreationAndOpening, .spin = ControlId::SESpinButton4,
     .stepping = {0.01, 1, 200, StepRule::CustomTurns, true}, .reference = {14, "Secondary Turns/Inch"},
     .metric = {LengthQuantity::TurnsPerInch, "%5.3f", 0.01}},
    {.id = FieldId::SEEdit14, .sheet = Sheet::SecondarySheet, .value = &Design::topLoadPf, .display = "%7f",
     .firstWrite = FirstWrite::FirstPass, .startsWritable = true, .typed = true, .restore = Format("%4f"),
     .trigger = EditTrigger::Click, .reference = {15, "Top Load Capacitance (PF)"}},
    // The break rate has no edit mode and its spin button no arrows; the spark gap step
    // overwrites it in the same pass.
    {.id = FieldId::SGEdit1, .sheet = Sheet::SparkGapSheet, .value = &Design::breakRateHz, .display = "%4.1f",
     .startsWritable = true, .typed = true, .rule = inRange(1, 100000), .restore = Format("%7.1f"),
     .spin = ControlId::SGSpinButton1},
    // The stepped spark-gap quantities are read-only: only their spin buttons change them, so text
    // typed there would show a value the calculation never uses.
    {.id = FieldId::SGEdit2, .sheet = Sheet::SparkGapSheet, .count = &Design::gapCount, .display = "%4d",
     .spin = ControlId::SGSpinButton2, .stepping = {1, 1, 100000}},
    // A result held as a design variable; its spin button has no arrows.
    {.id = FieldId::SGEdit6, .sheet = Sheet::SparkGapSheet, .value = &Design::gapWidthInches, .display = "%4.4f",
     .startsWritable = true, .spin = ControlId::SGSpinButton6,
     .metric = {LengthQuantity::LengthInches, "%6.4f"}},
    {.id = FieldId::SGEdit3, .sheet = Sheet::SparkGapSheet, .value = &Design::electrodeThicknessInches,
     .display = "%4.3f", .spin = ControlId::SGSpinButton3,
     .stepping = {0.001, 0.001, kNoUpperLimit, StepRule::ElectrodePitch},
     .metric = {LengthQuantity::LengthInches, "%5.3f", 0.01}},
    {.id = FieldId::SGEdit4, .sheet = Sheet::SparkGapSheet, .value = &Design::rotorRadiusInches, .display = "%4.2f",
     .spin = ControlId::SGSpinButton4, .stepping = {0.01, 0.01, 100},
     .metric = {LengthQuantity::LengthInches, "%5.2f", 0.1}},
    {.id = FieldId::SGEdit5, .sheet = Sheet::SparkGapSheet, .count = &Design::presentations, .display = "%4d",
     .spin = ControlId::SGSpinButton5, .stepping = {2, 4, 40}},
    {.id = FieldId::SGEdit7, .sheet = Sheet::SparkGapSheet, .count = &Design::motorRpm, .display = "%4d",
     .spin = ControlId::SGSpinButton7, .stepping = {100, 100, 100000}},
    {.id = FieldId::SGEdit8, .sheet = Sheet::SparkGapSheet, .value = &Design::triggerVolts, .display = "%4.0f",
     .startsWritable = true},
};

// The results that hold a length, with the metric format beside the inch one their stage shows
// them in.
struct ResultMetric {
    FieldId id;
    Metric metric;
};
inline constexpr ResultMetric kResultMetrics[] = {
    {FieldId::PREdit6, {LengthQuantity::LengthInches, "%6.2f"}},
    {FieldId::PREdit7, {LengthQuantity::LengthInches, "%6.2f"}},
    {FieldId::PREdit8, {LengthQuantity::LengthFeet, "%5.3f"}},
    {FieldId::SEEdit6, {LengthQuantity::LengthInches, "%9.2f"}},
    {FieldId::SEEdit7, {LengthQuantity::LengthInches, "%9.2f"}},
    {FieldId::SEEdit8, {LengthQuantity::LengthFeet, "%7.3f"}},
    {FieldId::SEEdit15, {LengthQuantity::LengthFeet, "%7.3f"}},
    {FieldId::SEEdit16, {LengthQuantity::LengthFeet, "%7.3f"}},
    {FieldId::OutputEdit1, {LengthQuantity::LengthInches, "%7.0f"}},
};

// The row of a field that shows a design variable, or nullptr.
const InputField* inputField(FieldId id);
// The row of a field whose typed text a stage reads, or nullptr.
const InputField* typedInput(FieldId id);
// The row whose spin button has arrows, or nullptr.
const InputField* steppedBy(ControlId button);
// The spin button beside a field, if it has one.
std::optional<ControlId> spinButton(FieldId id);

// The fields written from design variables, with their display format.
using ShownVariable = InputField;
const ShownVariable& shownVariable(FieldId id);

namespace detail {
constexpr std::size_t countWrittenOnOpening()
{
    std::size_t n = 0;
    for (const InputField& f : kInputFields) n += f.firstWrite == FirstWrite::CreationAndOpening ? 1 : 0;
    return n;
}
} // namespace detail

// The input fields a design sets, in the order the form writes them from the variables: at
// creation and after a design file is opened.
inline constexpr auto kDesignInputFields = [] {
    std::array<FieldId, detail::countWrittenOnOpening()> ids{};
    std::size_t i = 0;
    for (const InputField& f : kInputFields)
        if (f.firstWrite == FirstWrite::CreationAndOpening) ids[i++] = f.id;
    return ids;
}();

// What any field holds, input or result; a field that is no length has LengthQuantity::None.
Metric metricOf(FieldId id);
// The text of a field for a value in its stored unit: in inches, the given format; in
// millimetres, a length converted and shown in the field's metric format.
std::string fieldText(double storedValue, FieldId id, Format inchFormat, LengthUnit unit);

// The field's text for its variable in its display format, in the session's unit.
std::string displayText(const Design& design, const ShownVariable& shown, LengthUnit unit);

} // namespace qv
