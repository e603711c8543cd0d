#pragma once
// Batch actions of the Coil Analysis: --geometry NAME=VALUE sets where the coil stands, and
// --analysis prints the field solution's figures, one "name<TAB>value" line each, then the status.

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

// An empty text when the argument names a geometry input and holds a value its own rule admits.
std::string checkGeometry(const std::string& argument);
// Sets the input; a ceiling the coil would reach is reported and the last good value kept.
bool runGeometry(Calculator& calc, const std::string& argument, std::ostream& out);

bool printAnalysis(Calculator& calc, const std::string& unused, std::ostream& out);

} // namespace qv
