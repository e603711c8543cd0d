#pragma once
// Typed text and design-file value lines to numbers, with the grammar the fields accept:
// leading blanks, an optional sign, digits with an optional point (5. and .5 both count),
// an optional exponent, and nothing after it - not even a blank.

#include <cstddef>
#include <string_view>

namespace qv {

struct ParseResult {
    bool ok = false;
    double value = 0.0;
    // 1-based position of the first character that does not fit; 0 when ok.
    std::size_t badPosition = 0;
};

// A number too large for a double (1e999) is rejected, so no infinity reaches the design;
// one too small to represent becomes zero.
ParseResult parseNumber(std::string_view text);

} // namespace qv
