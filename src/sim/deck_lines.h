#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Line-level reading of a PSpice netlist as the calculator saves it.
namespace qv::deck {

// Splits on CR LF, LF or a lone CR; a final line terminator gives no extra empty line.
std::vector<std::string> splitLines(std::string_view text);

// A line starting with "+" continues the statement above it; comment and
// blank lines in between do not break the statement.
std::vector<std::string> joinContinuationLines(const std::vector<std::string>& lines);

// Blank-separated words of a statement.
std::vector<std::string> tokens(std::string_view line);

std::string toLower(std::string_view text);
bool startsWithNoCase(std::string_view text, std::string_view prefix);
bool isCommentOrBlank(std::string_view line);

// A PSpice number with its optional scale suffix (T G MEG K M MIL U N P F, any case)
// and trailing unit letters, which carry no meaning: "0.0170mh" is 17 µH,
// "14Meg" 14e6, "3.183h" 3.183, "41.3258pf" 41.3258e-12. nullopt when the
// text does not begin with a number.
std::optional<double> parseValue(std::string_view text);

} // namespace qv::deck
