#pragma once
// The Reference list: line 0 the design file name, then a label line and a value line for each of
// the 18 reference records. It is both the Reference sheet's view and the design file's image.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

struct Calculator;
struct Design;

inline constexpr std::size_t kReferenceRecordCount = 18;
inline constexpr std::size_t kReferenceListLines = 1 + 2 * kReferenceRecordCount; // 37

inline constexpr std::array<std::string_view, kReferenceRecordCount> kReferenceLabels{
    "Primary Transformer Output Voltage (VAC)",
    "Primary Transformer Rated Current (AMP)",
    "Primary Transformer Input Frequency (HZ)",
    "Primary Transformer Input Voltage (VAC)",
    "Primary Coil Inside Diameter (IN)",
    "Primary Coil Wire Diameter (IN)",
    "Primary Coil Wire Spacing (IN)",
    "Primary Coil Number of Turns",
    "Primary Coil Angle From Horizontal Plane (DEGREES)",
    "Secondary Wire Diameter (IN)",
    "Secondary Coil Total Outside Diameter (IN)",
    "Length of Secondary Coil (IN)",
    "Secondary Wire Gauge",
    "Secondary Turns/Inch",
    "Top Load Capacitance (PF)",
    "Sphere Radius/Toroid Tube Diameter (IN)",
    "Toroid Diameter Tube Center-to-Center (IN)",
    "Primary Transformer PFC Rating (%)",
};

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
