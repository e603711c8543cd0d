#pragma once
// The Coil Analysis' figures as a table: the sheets' classic figure beside the coil as it stands
// for every quantity both give, then the figures only the field solution has. A figure without a
// value shows why in its tooltip and once below the table, never a number that is not one. The
// table's cells never wrap; the notes below it do, so a long reason never widens the window.

#include "core/length_unit.h"
#include "field/coil_field.h"
#include "io/coil_figure_rows.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>
#include <optional>

namespace qv {

struct Calculator;

// The sheets' figures the table sets beside the field solution's, in table order, and what the
// field solution cannot take from the sheets.
struct ClassicFigures {
    std::array<double, kComparedFigureCount> values{};
    // A top-load capacitance typed on the Secondary Coil sheet ("Copy To Secondary Sheet" off):
    // the classic column uses it, the field solution stands the Topload C sheet's shape instead.
    std::optional<double> typedTopLoadPf;
    field::TopLoadShape solvedTopLoad = field::TopLoadShape::None;
    // The unit the session shows lengths in (the primary height for the target k).
    LengthUnit lengthUnit = LengthUnit::Inches;
};
ClassicFigures classicFigures(const Calculator& calc);
// Equal figure by figure, a figure that is not a number equal to another that is not one.
bool sameFigures(const ClassicFigures& a, const ClassicFigures& b);

// The plain words for a typed top-load capacitance the field solution leaves out, or empty.
QString typedTopLoadNote(const ClassicFigures& classic);

// analysis is null while the first solution is still running.
QString figuresHtml(const ClassicFigures& classic, const field::Analysis* analysis);

} // namespace qv
