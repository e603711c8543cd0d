#pragma once
// The design file's further records: groups of label and value records after the sheets' 18 (the
// Coil Analysis' surroundings, the sheets' option states, ...), each group a table of its own
// behind one RecordGroup. A program that does not know them keeps them as extra lines and writes
// them back; this one takes them out of the Reference list when a file is opened and writes them
// after the 18 records when a file is saved, so the list looks as it always has.

#include "core/calculator.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One group of records: how many, and for record i its label line, the value the calculator
// holds (written in "%7.4f" like the 18 records, with more digits where four decimals would lose
// it), whether a file's value can be taken and how it is taken. `reset`, when there is one, sets
// what a file without the group's records leaves.
struct RecordGroup {
    std::size_t count;
    std::string_view (*label)(std::size_t record);
    double (*value)(const Calculator& calc, std::size_t record);
    bool (*admits)(std::size_t record, double value);
    void (*take)(Calculator& calc, std::size_t record, double value);
    void (*reset)(Calculator& calc);
};

// A group made of the rows of an inputs table (kRows: each row a fileLabel and a member pointer
// `value` into the struct that kPart names in the design), checked with that table's own
// valueRejection; a file without them leaves that struct at its defaults.
template <const auto& kRows, auto kPart>
inline constexpr RecordGroup kInputRowRecords{
    .count = std::size(kRows),
    .label = [](std::size_t record) { return kRows[record].fileLabel; },
    .value = [](const Calculator& calc, std::size_t record) { return calc.design.*kPart.*kRows[record].value; },
    .admits = [](std::size_t record, double value) { return valueRejection(kRows[record], value).empty(); },
    .take = [](Calculator& calc, std::size_t record, double value) { calc.design.*kPart.*kRows[record].value = value; },
    .reset = [](Calculator& calc) { calc.design.*kPart = {}; },
};

// The lines a save writes: the list's 18 records, every group's records in their order, then any
// further lines the list kept from the file it was opened from.
std::vector<std::string> withFurtherRecords(const std::vector<std::string>& list, const Calculator& calc);

// After an open: every group's records past the 18 leave the list and are taken into the
// calculator. A record whose value is not a number or breaks its rule is reported as the sheets'
// records are and is not used.
void readFurtherRecords(Calculator& calc);

} // namespace qv
