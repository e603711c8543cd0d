#pragma once
// The netlist's snapshot of the design: the values the last recalculation pass left.

#include "netlist/netlist_models.h"

namespace qv {

struct Calculator;

NetlistInputs netlistInputs(const Calculator& calc);

} // namespace qv
