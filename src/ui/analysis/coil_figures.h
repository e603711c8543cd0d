#pragma once
// The Coil Analysis' figures as a table: the sheets' classic figure beside the coil as it stands
// for every quantity both give, then the figures only the field solution has. A figure without a
// value shows why, never a number that is not one.

#include "field/coil_field.h"
#include "io/coil_figure_rows.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstddef>

namespace qv {

struct Calculator;

// The sheets' figures the table sets beside the field solution's, in table order.
using ClassicFigures = std::array<double, kComparedFigureCount>;
ClassicFigures classicFigures(const Calculator& calc);

// analysis is null while the first solution is still running.
QString figuresHtml(const ClassicFigures& classic, const field::Analysis* analysis);

} // namespace qv
