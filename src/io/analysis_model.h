#pragma once
// The coil as the field solution reads it, from the calculator: the design, and the top load the
// sheets place on the coil (the Topload C sheet's shape, when W/Top Load C is checked). The Coil
// Analysis window and the batch front end both start here.

#include "field/coil_field.h"

namespace qv {

struct Calculator;

field::CoilModel currentCoilModel(const Calculator& calc);

} // namespace qv
