#include "io/surroundings_records.h"

#include "core/calculator.h"
#include "core/number_parser.h"
#include "core/reference_list.h"
#include "core/surroundings_inputs.h"
#include "io/design_file.h"

#include <algorithm>
#include <iterator>

namespace qv {
namespace {

const SurroundingsInput* inputLabelled(const std::string& line)
{
    return rowLabelled(kSurroundingsInputs, line);
}

// Takes one record's value into the surroundings, or says what is wrong with it.
void takeRecord(Calculator& calc, Surroundings& surroundings, const SurroundingsInput& input, const std::string& label,
                const std::string& valueText)
{
    const ParseResult parsed = parseNumber(valueText);
    if (!parsed.ok) {
        warn(calc, kFileDataInvalidMessage);
        return;
    }
    if (!valueRejection(input, parsed.value).empty()) {
        warn(calc, label + referenceValueText(parsed.value) + kOutOfRangeSuffix);
        return;
    }
    surroundings.*input.value = parsed.value;
}

} // namespace

std::vector<std::string> withSurroundingsRecords(const std::vector<std::string>& list, const Surroundings& surroundings)
{
    const auto recordsEnd = list.begin() + static_cast<std::ptrdiff_t>(std::min(list.size(), kReferenceListLines));
    std::vector<std::string> lines(list.begin(), recordsEnd);
    for (const SurroundingsInput& input : kSurroundingsInputs) {
        lines.emplace_back(input.fileLabel);
        lines.push_back(referenceValueText(surroundings.*input.value));
    }
    lines.insert(lines.end(), recordsEnd, list.end());
    return lines;
}

void readSurroundingsRecords(Calculator& calc)
{
    std::vector<std::string>& list = calc.referenceList;
    Surroundings surroundings;
    std::size_t line = kReferenceListLines;
    while (line + 1 < list.size()) {
        const SurroundingsInput* input = inputLabelled(list[line]);
        if (!input) {
            ++line;
            continue;
        }
        takeRecord(calc, surroundings, *input, list[line], list[line + 1]);
        const auto record = list.begin() + static_cast<std::ptrdiff_t>(line);
        list.erase(record, record + 2);
    }
    calc.design.surroundings = surroundings;
}

} // namespace qv
