#pragma once
// How one figure changes with one input: the sweep runs on copies of the calculator, puts each
// value in through the input's own acceptance step, runs the same passes and field solution the
// program runs, and reads the chosen figures. The design it starts from is never touched. A value
// the calculator refuses leaves a gap with the reason; the sweep goes on past it.

#include "field/coil_field.h"
#include "io/sweep_catalogue.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv {

struct Calculator;

inline constexpr int kFewestSweepPoints = 2;
inline constexpr int kMostSweepPoints = 500;

struct SweepRange {
    double from = 0;
    double to = 0;
    int points = 0;
    bool logarithmic = false; // equal ratios between neighbours instead of equal steps
};

// Why the range cannot be swept (too few or many points, equal ends, a logarithmic range
// reaching 0 or below), or empty.
std::string rangeRejection(const SweepRange& range);
// The input's values from `from` to `to`, both ends exact.
std::vector<double> sweepValues(const SweepRange& range);

struct SweepRequest {
    SweepInput input;
    SweepRange range;
    std::vector<SweepFigure> figures;
};

struct SweepControl {
    const std::atomic<bool>* cancel = nullptr; // checked between points
    // Points done so far; called from the sweeping threads, so it must be safe from any thread.
    std::function<void(std::size_t done, std::size_t total)> progress;
    int threads = 1; // the points are shared out among this many threads
};

// The values are in the unit of the calculator the sweep ran on, and the input's and figures'
// units say so.
struct SweepTable {
    SweepInput input;
    std::vector<SweepFigure> figures;
    LengthUnit lengthUnit = LengthUnit::Inches;
    double designValue = 0; // the input's value in the design the sweep started from
    bool logarithmic = false;
    std::vector<double> inputValues;
    std::vector<std::string> refusals; // per point: why the value was refused, or empty
    std::vector<std::vector<field::Figure>> values; // per point, one per figure
};

// The table with its lengths in another unit, as a switch of the calculator's unit shows it.
SweepTable tableIn(SweepTable table, LengthUnit unit);

// The whole table, or nothing when it was cancelled. The range is in the calculator's unit, as a
// person types it into the input, and must be sound (rangeRejection empty).
std::optional<SweepTable> runSweep(const Calculator& design, const SweepRequest& request,
                                   const SweepControl& control = {});

// Puts a value, in the calculator's unit, into the input as a person would type it (edit mode,
// the text, leaving the field) and runs the passes that carry it into every result; the field
// then shows the value in its own format. Returns the rejection the calculator reported, or empty
// when the value was taken.
std::string enterSweepValue(Calculator& calc, const SweepInput& input, double value);

// The table as CSV: a header of names with their units (a length's name in the table's unit, as
// the batch front end prints it), one row per point, empty cells for the gaps and a last column
// with the reasons for them.
std::string sweepCsv(const SweepTable& table);

// The shortest text that reads back as exactly this value.
std::string exactText(double value);

} // namespace qv
