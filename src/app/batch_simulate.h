#pragma once
// --simulate K: model K of the current design through ngspice, as the netlist window runs it;
// --simulate-as-it-stands K: the same with the field solution's coupling, inductances and in-place
// capacitances (a first line "figures" names them).

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

bool runSimulateModel(Calculator& calc, const std::string& model, std::ostream& out);
bool runSimulateAsItStands(Calculator& calc, const std::string& model, std::ostream& out);

} // namespace qv
