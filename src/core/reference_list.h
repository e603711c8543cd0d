#pragma once
// The Reference list: line 0 the design file name, then a label line and a value line for each of
// the 18 reference records. It is both the Reference sheet's view and the design file's image.

#include "core/design.h"
#include "core/input_fields.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct Calculator;

inline constexpr std::size_t kReferenceRecordCount = 18;
inline constexpr std::size_t kReferenceListLines = 1 + 2 * kReferenceRecordCount; // 37

// A record's label, the design variable it mirrors and the rule a design file's value must meet.
// Records 10 (the secondary wire diameter, always the gauge's) and 13 (the gauge, an integer) have
// no variable of their own.
struct ReferenceRecord {
    std::string_view label;
    double Design::*value;
    AcceptRule rule;
};

inline constexpr std::array<ReferenceRecord, kReferenceRecordCount> kReferenceRecords{{
    {"Primary Transformer Output Voltage (VAC)", &Design::outputVolts, kPositive},
    {"Primary Transformer Rated Current (AMP)", &Design::ratedAmps, kPositive},
    {"Primary Transformer Input Frequency (HZ)", &Design::lineFrequencyHz, kPositive},
    {"Primary Transformer Input Voltage (VAC)", &Design::inputVolts, kPositive},
    {"Primary Coil Inside Diameter (IN)", &Design::primaryInsideDiameterInches, kPositive},
    {"Primary Coil Wire Diameter (IN)", &Design::primaryWireDiameterInches, kPositive},
    {"Primary Coil Wire Spacing (IN)", &Design::primarySpacingInches, kPositive},
    {"Primary Coil Number of Turns", &Design::primaryTurns, kPositive},
    {"Primary Coil Angle From Horizontal Plane (DEGREES)", &Design::primaryAngleDegrees, inRange(0, 90)},
    {"Secondary Wire Diameter (IN)", nullptr, kPositive},
    {"Secondary Coil Total Outside Diameter (IN)", &Design::secondaryDiameterInches, kPositive},
    {"Length of Secondary Coil (IN)", &Design::secondaryLengthInches, kPositive},
    {"Secondary Wire Gauge", nullptr, kPositive},
    {"Secondary Turns/Inch", &Design::turnsPerInch, kPositive},
    {"Top Load Capacitance (PF)", &Design::topLoadPf, kPositive},
    {"Sphere Radius/Toroid Tube Diameter (IN)", &Design::tubeDiameterInches, kPositive},
    {"Toroid Diameter Tube Center-to-Center (IN)", &Design::toroidDiameterInches, kPositive},
    {"Primary Transformer PFC Rating (%)", &Design::pfcRatingPercent, inRange(1, 100)},
}};
inline constexpr std::size_t kWireDiameterRecord = 10;
inline constexpr std::size_t kGaugeRecord = 13;

using ReferenceRecords = std::array<double, kReferenceRecordCount>;

// The records' values for a design, record 1 first. Record 10 is the diameter of the current
// gauge, record 13 the gauge as a number.
ReferenceRecords referenceRecords(const Design& design);

// A record's value line, "%7.4f".
std::string referenceValueText(double value);

// Index into the list of record k's (1-based) label and value line.
inline constexpr std::size_t labelLine(std::size_t record) { return 2 * record - 1; }
inline constexpr std::size_t valueLine(std::size_t record) { return 2 * record; }

// The list as creation builds it: the design file name and every record.
std::vector<std::string> buildReferenceList(std::string_view designFileName, const ReferenceRecords& records);

// The Reference refresh at the end of every pass: values into the records, and the value lines
// rewritten unless the Reference sheet is the one shown.
void Update_Parms(Calculator& calc);

inline constexpr const char* kReferenceStatusText = "Design Parameters";

} // namespace qv
