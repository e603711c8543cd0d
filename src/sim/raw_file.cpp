#include "sim/raw_file.h"

#include "sim/deck_lines.h"

#include <bit>
#include <charconv>
#include <cstring>

namespace qv {

namespace {

static_assert(std::endian::native == std::endian::little, "raw file doubles are read in host order");

// Bounds that no transient of a coil reaches; they keep a garbled header from
// asking for absurd amounts of memory.
constexpr std::size_t kMaxVariables = 100000;
constexpr std::size_t kMaxHeaderLineBytes = 4096;

struct Cursor {
    std::string_view bytes;
    std::size_t pos = 0;

    bool atEnd() const { return pos >= bytes.size(); }

    std::optional<std::string_view> line()
    {
        if (atEnd())
            return std::nullopt;
        const auto end = bytes.find('\n', pos);
        if (end == std::string_view::npos || end - pos > kMaxHeaderLineBytes)
            return std::nullopt;
        std::string_view text = bytes.substr(pos, end - pos);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        pos = end + 1;
        return text;
    }
};

std::optional<std::size_t> parseCount(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(first);
    std::size_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{})
        return std::nullopt;
    const std::string_view rest(end, static_cast<std::size_t>(text.data() + text.size() - end));
    if (rest.find_first_not_of(" \t") != std::string_view::npos)
        return std::nullopt;
    return value;
}

std::string_view afterKey(std::string_view line, std::string_view key)
{
    std::string_view rest = line.substr(key.size());
    const auto first = rest.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : rest.substr(first);
}

struct Header {
    RawPlot plot;
    std::size_t variableCount = 0;
    std::size_t pointCount = 0;
    bool sawVariables = false;
};

// Reads header lines up to and including "Binary:"; returns an error text or "".
std::string readHeader(Cursor& cursor, Header& header)
{
    bool sawCount = false;
    bool sawPoints = false;
    while (true) {
        const auto line = cursor.line();
        if (!line)
            return "the raw file ends inside a header";
        if (deck::startsWithNoCase(*line, "Title:")) {
            header.plot.title = std::string(afterKey(*line, "Title:"));
        } else if (deck::startsWithNoCase(*line, "Plotname:")) {
            header.plot.plotName = std::string(afterKey(*line, "Plotname:"));
        } else if (deck::startsWithNoCase(*line, "Flags:")) {
            if (deck::toLower(afterKey(*line, "Flags:")).find("complex") != std::string::npos)
                return "the raw file holds complex data, not a transient";
        } else if (deck::startsWithNoCase(*line, "No. Variables:")) {
            const auto n = parseCount(afterKey(*line, "No. Variables:"));
            if (!n || *n == 0 || *n > kMaxVariables)
                return "the raw file has an unreadable variable count";
            header.variableCount = *n;
            sawCount = true;
        } else if (deck::startsWithNoCase(*line, "No. Points:")) {
            const auto n = parseCount(afterKey(*line, "No. Points:"));
            if (!n)
                return "the raw file has an unreadable point count";
            header.pointCount = *n;
            sawPoints = true;
        } else if (deck::startsWithNoCase(*line, "Variables:")) {
            if (!sawCount)
                return "the raw file lists variables before their count";
            for (std::size_t i = 0; i < header.variableCount; ++i) {
                const auto entry = cursor.line();
                if (!entry)
                    return "the raw file ends inside its variable list";
                const auto words = deck::tokens(*entry);
                if (words.size() < 3 || parseCount(words[0]) != i)
                    return "the raw file has a garbled variable list";
                header.plot.variableNames.push_back(words[1]);
            }
            header.sawVariables = true;
        } else if (deck::startsWithNoCase(*line, "Values:")) {
            return "the raw file is in ASCII form; only binary raw files are read";
        } else if (deck::startsWithNoCase(*line, "Binary:")) {
            if (!sawCount || !sawPoints || !header.sawVariables)
                return "the raw file header lacks its variable or point count";
            // A count repeated after the list, or a second list, leaves names without columns.
            if (header.plot.variableNames.size() != header.variableCount)
                return "the raw file's variable list does not match its variable count";
            return {};
        }
        // Date, Command, Option and other lines carry nothing the results need.
    }
}

std::string readData(Cursor& cursor, Header& header)
{
    const std::size_t remaining = cursor.bytes.size() - cursor.pos;
    const std::size_t pointBytes = header.variableCount * sizeof(double);
    if (header.pointCount > remaining / pointBytes) {
        return "the raw file is truncated: it announces " + std::to_string(header.pointCount) +
               " points but holds " + std::to_string(remaining / pointBytes);
    }
    auto& columns = header.plot.columns;
    columns.assign(header.variableCount, std::vector<double>(header.pointCount));
    const char* data = cursor.bytes.data() + cursor.pos;
    for (std::size_t point = 0; point < header.pointCount; ++point) {
        for (std::size_t v = 0; v < header.variableCount; ++v) {
            std::memcpy(&columns[v][point], data, sizeof(double));
            data += sizeof(double);
        }
    }
    cursor.pos += header.pointCount * pointBytes;
    return {};
}

} // namespace

std::optional<std::size_t> RawPlot::indexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < variableNames.size(); ++i) {
        if (deck::toLower(variableNames[i]) == deck::toLower(name))
            return i;
    }
    return std::nullopt;
}

RawFileRead readRawFile(std::string_view bytes)
{
    RawFileRead read;
    Cursor cursor{bytes};
    if (bytes.empty()) {
        read.errorMessage = "the raw file is empty";
        return read;
    }
    while (!cursor.atEnd()) {
        Header header;
        std::string problem = readHeader(cursor, header);
        if (problem.empty())
            problem = readData(cursor, header);
        if (!problem.empty()) {
            read.plots.clear();
            read.errorMessage = problem;
            return read;
        }
        read.plots.push_back(std::move(header.plot));
    }
    return read;
}

std::optional<RawLayout> readRawLayout(std::string_view headBytes)
{
    Cursor cursor{headBytes};
    Header header;
    if (!readHeader(cursor, header).empty())
        return std::nullopt;
    return RawLayout{cursor.pos, header.variableCount};
}

} // namespace qv
