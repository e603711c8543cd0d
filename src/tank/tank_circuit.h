#pragma once
// The Tank Circuit: from the design and the sheets' results, plus the field solution as it stands,
// every figure a builder needs between the coil and the build - the capacitor or the bank that
// makes it, the turn to tap, the stresses on the parts, the gaps and what to expect. Each figure
// is a value or the reason it has none.

#include "core/format.h"
#include "core/length_unit.h"
#include "field/coil_field.h"
#include "tank/tap_curve.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {
struct Calculator;
}

namespace qv::tank {

using field::Figure;

struct TankFigures {
    // The capacitor
    Figure resonantUf;
    Figure targetUf;
    Figure bankSeries;
    Figure bankStrings;
    Figure bankCount;
    Figure bankUf;
    Figure bankVoltsDc;
    Figure bankMargin;
    Figure tankUf;
    // The tap
    Figure leadUh;
    Figure tapTurnsClassic;
    Figure tapTurnsAsIs;
    Figure tapTurnsStreamer;
    Figure tapWireFeet;
    // At the tap as it stands
    Figure fireVolts;
    Figure bangJoules;
    Figure powerWatts;
    Figure peakAmps;
    Figure surgeOhms;
    Figure tapCoupling;
    Figure notchUs;
    Figure rmsAmps;
    // Each capacitor of the bank
    Figure partPeakAmps;
    Figure partRmsAmps;
    Figure partVoltsPerUs;
    std::string ratings; // "within ratings", or every rating exceeded and by how much
    Figure bleederSeconds;
    Figure bleederWatts;
    // Gaps
    Figure gapEachInches;
    Figure gapTotalInches;
    Figure safetyGapInches;
    Figure topKv;
    std::string status = "ok"; // "ok", or why the field solution has no value
};

// The window's sections, in their order.
enum class TankSection : std::uint8_t { Capacitor, Tap, Stresses, Gaps, Expect };

// One figure: its name on the command line, its caption, its unit, its section and its display
// format. The ratings verdict is text: its row has no figure and names the text instead.
struct TankFigureRow {
    std::string_view name;
    std::string_view caption;
    std::string_view unit;
    TankSection section;
    Figure TankFigures::*figure;
    std::string TankFigures::*text;
    Format format; // of the figure; a text row's is not read
    LengthQuantity quantity = LengthQuantity::None; // a length follows the calculator's unit
    Format metricFormat = format;                   // a length in millimetres or metres, no coarser
};

// Every figure, in the order the batch front end prints them.
extern const std::array<TankFigureRow, 32> kTankFigureRows;

// The unit the row's figure is shown in: its own, or for a length the calculator's.
std::string_view figureUnit(const TankFigureRow& row, LengthUnit unit);

// The figure or text of a row as the window and the report show it: the value in the row's format
// with its unit, the verdict, or the reason there is no value.
std::string shownFigure(const TankFigures& figures, const TankFigureRow& row, LengthUnit unit);

// The field solution as the tank reads it: the analysis and the primary's turn curve, both made
// once per solution of the model.
struct FieldAsItStands {
    field::Analysis analysis;
    TurnCurve turns;
};
FieldAsItStands solveField(const field::CoilModel& model);

// Every figure for the design and results as the last pass left them and the field solution.
TankFigures tankFigures(const Calculator& calc, const FieldAsItStands& field);

} // namespace qv::tank
