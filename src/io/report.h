#pragma once
// The printed design report as text lines: fixed labels joined with the field texts exactly as the
// main window shows them at this moment, then the scratch pad; these lines compute nothing and read
// no design variable, so they print what the user sees. Sections of their own follow them.

#include <string>
#include <vector>

namespace qv {

struct Calculator;

// The lines before the scratch pad; a report of an empty scratch pad has exactly these.
inline constexpr std::size_t kReportFixedLineCount = 48;

// The 48 fixed lines, then one line per scratch-pad line. The blank-padded labels form columns
// that line up in a fixed-pitch font.
std::vector<std::string> reportLines(const Calculator& calc);

// The report as it is printed and as --report writes it: the lines above, then each section that
// follows the scratch pad ("The Coil As It Stands", ...) in its order.
std::vector<std::string> printedReportLines(const Calculator& calc);

// The scratch pad's text split at its line breaks: no lines for an empty pad, and a final line
// break ends the last line instead of starting an empty one (as the pad's editor shows it).
std::vector<std::string> scratchPadLines(const std::string& text);

} // namespace qv
