#pragma once
// Field texts: every number the calculator shows goes through formatField, so a value reads the
// same on every sheet, in the Reference list, the report and the netlists.

#include <cstdint>
#include <string>

namespace qv {

// A printf-style display format: "%7.4f", "%4f" (two decimals), "%4d".
struct Format {
    int width = 0;
    int precision = 2;
    bool integer = false;

    constexpr Format(int widthChars, int decimals) : width(widthChars), precision(decimals) {}

    // Built from the literal at compile time, so a mistyped format fails the build.
    consteval Format(const char* text) // NOLINT(google-explicit-constructor): formats read as literals
    {
        if (text[0] != '%') throw "format must start with %";
        int i = 1;
        width = 0;
        while (text[i] >= '0' && text[i] <= '9') width = width * 10 + (text[i++] - '0');
        precision = 2;
        if (text[i] == '.') {
            ++i;
            precision = 0;
            while (text[i] >= '0' && text[i] <= '9') precision = precision * 10 + (text[i++] - '0');
        }
        integer = text[i] == 'd';
        if (text[i] != 'f' && text[i] != 'd') throw "format must end with f or d";
        if (text[i + 1] != '\0') throw "format has trailing characters";
    }
};

// Fixed point: the value is first taken to 18 significant digits, then rounded to the format's
// decimals with halves away from zero; right-aligned to the width, never cut, "." always.
// A value that is not a finite number shows as "----" right-aligned in the width.
std::string formatField(double value, Format format);

// "%Wd": a 32-bit integer right-aligned to the width.
std::string formatField(std::int32_t value, Format format);

// The text shown in place of a result that is not a finite number.
inline constexpr const char* kNotANumberText = "----";

} // namespace qv
