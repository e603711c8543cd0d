#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One plot of an ngspice binary raw file: a real vector per variable, all of the
// same length (the first is the scale, time for a transient).
struct RawPlot {
    std::string title;
    std::string plotName;
    std::vector<std::string> variableNames; // as written, e.g. "time", "v(n04)"
    std::vector<std::vector<double>> columns;

    // Index of a variable by name, ignoring case; nullopt when absent.
    std::optional<std::size_t> indexOf(std::string_view name) const;
};

struct RawFileRead {
    std::vector<RawPlot> plots;
    std::string errorMessage; // set, and plots empty, when the file cannot be read whole
};

// Reads the bytes of a raw file written by "ngspice -b -r FILE": per plot the
// header lines (Title, Date, Plotname, Flags, No. Variables, No. Points,
// Variables:, Binary:) and then, point by point, one little-endian double per
// variable. Truncated, garbled or complex data gives an error, never a partial plot.
RawFileRead readRawFile(std::string_view bytes);

// Where the data of the first plot starts, for following a raw file that ngspice is
// still writing (it writes "No. Points: 0" until it finishes).
struct RawLayout {
    std::size_t dataOffsetBytes = 0;
    std::size_t variableCount = 0;
};
std::optional<RawLayout> readRawLayout(std::string_view headBytes);

} // namespace qv
