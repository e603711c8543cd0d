#pragma once
// Batch actions of the Tank Circuit: --tank NAME=VALUE sets one of its inputs, and --tank-figures
// prints every figure, one "name<TAB>value" line each ("name<TAB>none<TAB>reason" where there is no
// value), then the status.

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

// An empty text when the argument names a tank input and holds a value it takes.
std::string checkTank(const std::string& argument);
bool runTank(Calculator& calc, const std::string& argument, std::ostream& out);

bool printTankFigures(Calculator& calc, const std::string& unused, std::ostream& out);

} // namespace qv
