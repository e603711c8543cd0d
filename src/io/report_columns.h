#pragma once
// The columns of the report's sections after the scratch pad, in characters of its fixed-pitch
// font: a text padded to its column, or a number right-aligned in it. A text longer than its
// column is never cut.

#include <string>
#include <string_view>

namespace qv {

inline std::string padded(std::string_view text, std::size_t width)
{
    std::string line(text);
    if (line.size() < width) line.append(width - line.size(), ' ');
    return line;
}

inline std::string rightAligned(std::string_view text, std::size_t width)
{
    return text.size() < width ? std::string(width - text.size(), ' ') + std::string(text) : std::string(text);
}

} // namespace qv
