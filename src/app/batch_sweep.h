#pragma once
// Batch actions of How It Changes: --sweep NAME=FROM:TO:POINTS[:log] varies one input of the
// session's design on copies of it and prints the figures --sweep-figures NAME,NAME,... names as
// CSV; the session's design stays as it was.

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

std::string checkSweep(const std::string& argument);
std::string refuseSweep(const Calculator& calc, const std::string& argument);
bool printSweep(Calculator& calc, const std::string& argument, std::ostream& out);

std::string checkSweepFigures(const std::string& argument);
// The figures are read by --sweep; on its own the flag does nothing.
bool takeSweepFigures(Calculator& calc, const std::string& argument, std::ostream& out);

} // namespace qv
