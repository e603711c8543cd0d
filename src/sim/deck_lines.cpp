#include "sim/deck_lines.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace qv::deck {

std::vector<std::string> splitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current.push_back(c);
        }
    }
    if (!current.empty())
        lines.push_back(current);
    return lines;
}

bool isCommentOrBlank(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t");
    return first == std::string_view::npos || line[first] == '*';
}

std::vector<std::string> joinContinuationLines(const std::vector<std::string>& lines)
{
    std::vector<std::string> joined;
    std::size_t lastStatement = std::string::npos;
    for (const auto& line : lines) {
        if (!line.empty() && line.front() == '+' && lastStatement != std::string::npos) {
            joined[lastStatement] += ' ';
            joined[lastStatement] += line.substr(1);
            continue;
        }
        if (!isCommentOrBlank(line))
            lastStatement = joined.size();
        joined.push_back(line);
    }
    return joined;
}

std::vector<std::string> tokens(std::string_view line)
{
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const auto start = line.find_first_not_of(" \t", pos);
        if (start == std::string_view::npos)
            break;
        const auto end = line.find_first_of(" \t", start);
        words.emplace_back(line.substr(start, end - start));
        pos = end == std::string_view::npos ? line.size() : end;
    }
    return words;
}

std::string toLower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && toLower(text.substr(0, prefix.size())) == toLower(prefix);
}

namespace {

struct ScaleSuffix {
    std::string_view letters;
    double factor;
};

// Longer suffixes first, so "meg" and "mil" are not read as milli.
constexpr ScaleSuffix kScaleSuffixes[] = {
    {"meg", 1e6}, {"mil", 25.4e-6}, {"t", 1e12}, {"g", 1e9}, {"k", 1e3},
    {"m", 1e-3},  {"u", 1e-6},      {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15},
};

} // namespace

std::optional<double> parseValue(std::string_view text)
{
    // from_chars does not take a leading '+'
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double number = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec != std::errc{} || !std::isfinite(number))
        return std::nullopt;
    const std::string rest = toLower(std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end)));
    for (const auto& suffix : kScaleSuffixes) {
        if (rest.starts_with(suffix.letters))
            return number * suffix.factor;
    }
    return number;
}

} // namespace qv::deck
