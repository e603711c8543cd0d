#pragma once
// --simulate K: model K of the current design through ngspice, as the netlist window runs it.

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

bool runSimulateModel(Calculator& calc, const std::string& model, std::ostream& out);

} // namespace qv
