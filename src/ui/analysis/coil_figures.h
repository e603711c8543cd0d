#pragma once
// The Coil Analysis' figures as a table: the sheets' classic figure beside the coil as it stands
// for every quantity both give, then the figures only the field solution has. A figure without a
// value shows why, never a number that is not one.

#include "field/coil_field.h"

#include <QObject>
#include <QString>

namespace qv {

struct Calculator;

// analysis is null while the first solution is still running.
QString figuresHtml(const Calculator& calc, const field::Analysis* analysis);

} // namespace qv
