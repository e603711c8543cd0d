#include "io/further_records.h"

#include "core/number_parser.h"
#include "core/reference_list.h"
#include "io/design_file.h"
#include "io/sheet_records.h"
#include "io/surroundings_records.h"
#include "io/tank_records.h"

#include <algorithm>
#include <charconv>
#include <optional>

namespace qv {
namespace {

// The groups in the order a save writes them; a new group goes last, so the records of the
// older groups keep their lines.
constexpr const RecordGroup* kGroups[] = {&kSurroundingsRecords, &kSheetRecords, &kTankRecords};

struct RecordAt {
    const RecordGroup* group;
    std::size_t record;
};

std::optional<RecordAt> recordLabelled(const std::string& line)
{
    for (const RecordGroup* group : kGroups)
        for (std::size_t record = 0; record < group->count; ++record)
            if (group->label(record) == line) return RecordAt{group, record};
    return std::nullopt;
}

// Takes one record's value, or says what is wrong with it.
void takeRecord(Calculator& calc, const RecordAt& at, const std::string& label, const std::string& valueText)
{
    const ParseResult parsed = parseNumber(valueText);
    if (!parsed.ok) {
        warn(calc, kFileDataInvalidMessage);
        return;
    }
    if (!at.group->admits(at.record, parsed.value)) {
        warn(calc, label + referenceValueText(parsed.value) + kOutOfRangeSuffix);
        return;
    }
    at.group->take(calc, at.record, parsed.value);
}

// A value line as the 18 records write it, unless its four decimals would lose the value (a tank
// capacitor of 0.02375 uF): then the shortest text that reads back as the same number.
std::string recordValueText(double value)
{
    std::string text = referenceValueText(value);
    if (parseNumber(text).value == value) return text;
    char exact[32];
    const auto written = std::to_chars(exact, exact + sizeof exact, value);
    return {exact, written.ptr};
}

} // namespace

std::vector<std::string> withFurtherRecords(const std::vector<std::string>& list, const Calculator& calc)
{
    const auto recordsEnd = list.begin() + static_cast<std::ptrdiff_t>(std::min(list.size(), kReferenceListLines));
    std::vector<std::string> lines(list.begin(), recordsEnd);
    for (const RecordGroup* group : kGroups) {
        for (std::size_t record = 0; record < group->count; ++record) {
            lines.emplace_back(group->label(record));
            lines.push_back(recordValueText(group->value(calc, record)));
        }
    }
    lines.insert(lines.end(), recordsEnd, list.end());
    return lines;
}

void readFurtherRecords(Calculator& calc)
{
    for (const RecordGroup* group : kGroups)
        if (group->reset) group->reset(calc);
    std::vector<std::string>& list = calc.referenceList;
    std::size_t line = kReferenceListLines;
    while (line + 1 < list.size()) {
        const std::optional<RecordAt> at = recordLabelled(list[line]);
        if (!at) {
            ++line;
            continue;
        }
        takeRecord(calc, *at, list[line], list[line + 1]);
        const auto record = list.begin() + static_cast<std::ptrdiff_t>(line);
        list.erase(record, record + 2);
    }
}

} // namespace qv
