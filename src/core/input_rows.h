#pragma once
// What the tables of the windows' own inputs share (the Coil Analysis' surroundings, the Tank
// Circuit's inputs): a row found by its command-line name or its design-file label, the outcome of
// a typed text, and the lead of every message that refuses one.

#include "core/calculator.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace qv {

// The acceptance of a typed input: a good text is stored and taken is true; a bad one leaves the
// design as it was and the message says why.
struct InputEntry {
    bool taken = false;
    std::string message;
};

// "Invalid Data Entered: " and why, as the sheets' fields refuse a text.
inline std::string invalidData(std::string_view why)
{
    return std::string(kInvalidDataMessage) + ": " + std::string(why);
}

// The row of that command-line name, or nullptr.
template <class Row, std::size_t N>
const Row* rowNamed(const std::array<Row, N>& rows, std::string_view name)
{
    const auto found = std::find_if(rows.begin(), rows.end(), [name](const Row& row) { return row.name == name; });
    return found == rows.end() ? nullptr : &*found;
}

// The row whose design-file record has that label line, or nullptr.
template <class Row, std::size_t N>
const Row* rowLabelled(const std::array<Row, N>& rows, std::string_view label)
{
    const auto found =
        std::find_if(rows.begin(), rows.end(), [label](const Row& row) { return row.fileLabel == label; });
    return found == rows.end() ? nullptr : &*found;
}

} // namespace qv
