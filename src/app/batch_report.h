#pragma once
// --report: the printed design report's lines on standard output, one a line.

#include <iosfwd>
#include <string>

namespace qv {

struct Calculator;

std::string checkReport(const std::string& argument);
bool printReportLines(Calculator& calc, const std::string& argument, std::ostream& out);

} // namespace qv
