#pragma once
// The Reference list: line 0 the design file name, then a label line and a value line for each of
// the 18 reference records. It is both the Reference sheet's view and the design file's image.

#include "core/design.h"
#include "core/input_fields.h"

#include <algorithm>
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

inline constexpr std::size_t kWireDiameterRecord = 10;
inline constexpr std::size_t kGaugeRecord = 13;
inline constexpr std::string_view kWireDiameterLabel = "Secondary Wire Diameter (IN)";

// The records in order, gathered from the field table's Reference slots.
inline constexpr std::array<ReferenceRecord, kReferenceRecordCount> kReferenceRecords = [] {
    std::array<ReferenceRecord, kReferenceRecordCount> records{};
    records[kWireDiameterRecord - 1] = {kWireDiameterLabel, nullptr, kPositive};
    for (const InputField& f : kInputFields)
        if (f.reference.record != 0) records[f.reference.record - 1] = {f.reference.label, f.value, f.rule};
    return records;
}();
static_assert(std::ranges::none_of(kReferenceRecords, [](const ReferenceRecord& r) { return r.label.empty(); }),
              "every Reference record needs a row of the field table");

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
