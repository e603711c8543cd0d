#include "core/number_parser.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>

namespace qv {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

ParseResult failAt(std::size_t index) { return {false, 0.0, index + 1}; }

// Whether a number that does not fit a double is too large (rather than too small): the decimal
// exponent of its first significant digit is then positive.
bool isTooLarge(std::string_view mantissa, long long exponent)
{
    long long leading = -1; // exponent of the first significant digit, counted without the exponent part
    const std::size_t point = mantissa.find('.');
    const std::size_t integerDigits = point == std::string_view::npos ? mantissa.size() : point;
    long long position = static_cast<long long>(integerDigits) - 1; // counts down digit by digit
    for (const char c : mantissa) {
        if (c == '.') continue;
        if (c != '0') { leading = position; break; }
        --position;
    }
    return leading + exponent > 0;
}

} // namespace

ParseResult parseNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    const std::size_t numberStart = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t mantissaStart = i;

    std::size_t digitCount = 0;
    while (i < text.size() && isDigit(text[i])) ++i, ++digitCount;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && isDigit(text[i])) ++i, ++digitCount;
    }
    if (digitCount == 0) return failAt(i);

    const std::size_t mantissaEnd = i;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        if (i >= text.size() || !isDigit(text[i])) return failAt(i);
        constexpr long long kExponentCap = 1'000'000; // far past any double, so no overflow here
        for (; i < text.size() && isDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        if (negative) exponent = -exponent;
    }
    if (i != text.size()) return failAt(i);

    // from_chars takes no "+" and needs a digit before a point.
    std::string number;
    number.reserve(text.size() - numberStart + 1);
    if (text[numberStart] == '-') number.push_back('-');
    if (text[mantissaStart] == '.') number.push_back('0');
    number.append(text.substr(mantissaStart));

    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        if (isTooLarge(text.substr(mantissaStart, mantissaEnd - mantissaStart), exponent)) return failAt(numberStart);
        value = 0.0;
    } else if (result.ec != std::errc() || !std::isfinite(value)) {
        return failAt(numberStart);
    }
    // Minus zero is zero: stored as typed it would show and be saved as "-0.0000".
    if (value == 0.0) value = 0.0;
    return {true, value, 0};
}

} // namespace qv
