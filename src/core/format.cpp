#include "core/format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

namespace qv {
namespace {

constexpr int kSignificantDigits = 18;

std::string padLeft(std::string text, int width)
{
    if (static_cast<int>(text.size()) < width) text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

// The 18 significant digits of |value| and the decimal exponent of the first one:
// |value| = d0.d1d2...d17 x 10^exponent.
struct Decimal {
    std::array<char, kSignificantDigits> digits{};
    int exponent = 0;
};

Decimal toDecimal(double magnitude)
{
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    Decimal decimal;
    const char* p = buffer.data();
    int count = 0;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p != '.') decimal.digits[static_cast<std::size_t>(count++)] = *p;
    }
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), result.ptr, decimal.exponent);
    return decimal;
}

} // namespace

std::string formatField(double value, Format format)
{
    if (!std::isfinite(value)) return padLeft(kNotANumberText, format.width);
    if (format.integer) return formatField(static_cast<std::int32_t>(std::lround(value)), format);

    const Decimal decimal = toDecimal(std::fabs(value));
    // Digits of the result counted from the first significant one: those left of the point
    // plus the shown decimals. Everything from index `kept` on is rounded away.
    const int kept = decimal.exponent + 1 + format.precision;

    std::string digits; // the rounded value times 10^precision, as decimal digits
    if (kept >= 0) {
        for (int i = 0; i < kept; ++i)
            digits.push_back(i < kSignificantDigits ? decimal.digits[static_cast<std::size_t>(i)] : '0');
        const bool roundUp = kept < kSignificantDigits && decimal.digits[static_cast<std::size_t>(kept)] >= '5';
        if (roundUp) {
            int i = kept - 1;
            for (; i >= 0 && digits[static_cast<std::size_t>(i)] == '9'; --i) digits[static_cast<std::size_t>(i)] = '0';
            if (i >= 0) ++digits[static_cast<std::size_t>(i)];
            else digits.insert(digits.begin(), '1');
        }
    }
    // At least one digit before the point.
    const auto minimum = static_cast<std::size_t>(format.precision) + 1;
    if (digits.size() < minimum) digits.insert(0, minimum - digits.size(), '0');

    std::string text = std::signbit(value) ? "-" : "";
    const std::size_t pointAt = digits.size() - static_cast<std::size_t>(format.precision);
    text.append(digits, 0, pointAt);
    if (format.precision > 0) {
        text.push_back('.');
        text.append(digits, pointAt, std::string::npos);
    }
    return padLeft(std::move(text), format.width);
}

std::string formatField(std::int32_t value, Format format)
{
    std::array<char, 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return padLeft(std::string(buffer.data(), result.ptr), format.width);
}

} // namespace qv
