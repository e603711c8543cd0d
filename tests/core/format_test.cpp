#include "core/format.h"
#include "core/number_parser.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

namespace qv {
namespace {

TEST(FieldFormatter, PadsToWidthAndNeverCuts)
{
    EXPECT_EQ(formatField(4000.0, "%7.0f"), "   4000");
    EXPECT_EQ(formatField(12345678.0, "%7.0f"), "12345678");
    EXPECT_EQ(formatField(1.0, "%7.3f"), "  1.000");
    EXPECT_EQ(formatField(250.0, "%7.0f"), "    250");
}

TEST(FieldFormatter, WidthWithoutPrecisionShowsTwoDecimals)
{
    EXPECT_EQ(formatField(3.0, "%4f"), "3.00");
    EXPECT_EQ(formatField(23.35, "%7f"), "  23.35");
    EXPECT_EQ(formatField(0.95 / 0.02535, "%4f"), "37.48");
}

TEST(FieldFormatter, HalvesRoundAwayFromZero)
{
    EXPECT_EQ(formatField(2.5, "%2.0f"), " 3");
    EXPECT_EQ(formatField(0.125, "%4.2f"), "0.13");
    EXPECT_EQ(formatField(-2.5, "%2.0f"), "-3");
    EXPECT_EQ(formatField(-0.125, "%4.2f"), "-0.13");
    EXPECT_EQ(formatField(0.5, "%1.0f"), "1");
    // printf would give 4000 (round half to even); the field shows 4001.
    EXPECT_EQ(formatField(4000.5, "%7.0f"), "   4001");
}

TEST(FieldFormatter, TakesEighteenSignificantDigitsBeforeRounding)
{
    // 2.675 is stored as 2.67499999999999982236431605997495353221893310546875: at 18 digits
    // it is still below the half, so it rounds down.
    EXPECT_EQ(formatField(2.675, "%4.2f"), "2.67");
    // 1.0000000000000000005 is 1 in a double; 0.1 + 0.2 is 0.30000000000000004441 and shows .30.
    EXPECT_EQ(formatField(0.1 + 0.2, "%4.2f"), "0.30");
    // Carry through every digit.
    EXPECT_EQ(formatField(9.999, "%4.2f"), "10.00");
    EXPECT_EQ(formatField(99.5, "%2.0f"), "100");
}

TEST(FieldFormatter, SmallAndLargeMagnitudes)
{
    EXPECT_EQ(formatField(0.0004, "%4.2f"), "0.00");
    EXPECT_EQ(formatField(0.005, "%4.2f"), "0.01");
    EXPECT_EQ(formatField(0.0, "%7.4f"), " 0.0000");
    EXPECT_EQ(formatField(1e20, "%4.1f"), "100000000000000000000.0");
    EXPECT_EQ(formatField(0.0000463, "%7.4f"), " 0.0000");
}

TEST(FieldFormatter, IntegersRightAligned)
{
    EXPECT_EQ(formatField(std::int32_t{22}, "%4d"), "  22");
    EXPECT_EQ(formatField(std::int32_t{100000}, "%4d"), "100000");
    EXPECT_EQ(formatField(std::int32_t{-5}, "%4d"), "  -5");
}

TEST(FieldFormatter, NonFiniteShowsDashes)
{
    EXPECT_EQ(formatField(std::numeric_limits<double>::infinity(), "%7.4f"), "   ----");
    EXPECT_EQ(formatField(std::nan(""), "%4f"), "----");
}

TEST(FieldFormatter, PointIsDotUnderCommaLocale)
{
    const char* set = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!set) set = std::setlocale(LC_NUMERIC, "fr_FR.UTF-8");
    if (!set) GTEST_SKIP() << "no comma-decimal locale is installed (scripts/setup.sh generates de_DE.UTF-8)";
    EXPECT_EQ(formatField(1234.5678, "%7.2f"), "1234.57");
    const ParseResult parsed = parseNumber("1.5");
    EXPECT_TRUE(parsed.ok);
    EXPECT_DOUBLE_EQ(parsed.value, 1.5);
    std::setlocale(LC_ALL, "C");
}

TEST(FieldFormatter, ParserReadsBackEveryFormattedValue)
{
    for (const double v : {0.0, 0.4762, 37.475345, 4000.0, 12345.6789, 0.001, 1e-7})
        for (const Format f : {Format("%7.4f"), Format("%4f"), Format("%2.0f"), Format("%7.1f")}) {
            const ParseResult parsed = parseNumber(formatField(v, f));
            EXPECT_TRUE(parsed.ok) << formatField(v, f);
        }
}

struct ParseCase {
    const char* text;
    bool ok;
    double value;
    std::size_t badPosition;
};

class NumberParser : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumberParser, GrammarAndFirstBadCharacter)
{
    const ParseCase& c = GetParam();
    const ParseResult r = parseNumber(c.text);
    EXPECT_EQ(r.ok, c.ok) << '"' << c.text << '"';
    if (c.ok) {
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
    }
    EXPECT_EQ(r.badPosition, c.badPosition) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberParser,
    ::testing::Values(ParseCase{"12", true, 12, 0}, ParseCase{" 12", true, 12, 0}, ParseCase{"12 ", false, 0, 3},
                      ParseCase{"1,5", false, 0, 2}, ParseCase{"1e1", true, 10, 0}, ParseCase{".5", true, 0.5, 0},
                      ParseCase{"5.", true, 5, 0}, ParseCase{"+7", true, 7, 0}, ParseCase{"-7.25", true, -7.25, 0},
                      ParseCase{"2E-3", true, 0.002, 0}, ParseCase{"1e+2", true, 100, 0}, ParseCase{"", false, 0, 1},
                      ParseCase{"   ", false, 0, 4}, ParseCase{".", false, 0, 2}, ParseCase{"+", false, 0, 2},
                      ParseCase{"abc", false, 0, 1}, ParseCase{"1.2.3", false, 0, 4}, ParseCase{"1e", false, 0, 3},
                      ParseCase{"1e+", false, 0, 4}, ParseCase{"e5", false, 0, 1}, ParseCase{"--1", false, 0, 2},
                      ParseCase{"1x", false, 0, 2}, ParseCase{"\t1", false, 0, 1}, ParseCase{"0x10", false, 0, 2}));

TEST(NumberParserRange, OverflowIsRejectedUnderflowIsZero)
{
    EXPECT_FALSE(parseNumber("1e999").ok);
    EXPECT_FALSE(parseNumber("-1e400").ok);
    EXPECT_FALSE(parseNumber(std::string(400, '9')).ok);
    const ParseResult tiny = parseNumber("1e-999");
    EXPECT_TRUE(tiny.ok);
    EXPECT_EQ(tiny.value, 0.0);
    // Many digits before the point but a negative exponent: still a big number, still rejected.
    EXPECT_FALSE(parseNumber("1" + std::string(400, '0') + "e-5").ok);
    EXPECT_TRUE(parseNumber("0." + std::string(400, '0') + "1e5").ok);
    EXPECT_TRUE(parseNumber("1e99999999999999999999").ok == false);
}

// A stored minus zero would show and be saved as "-0.0000".
TEST(NumberParserRange, MinusZeroIsReadAsZero)
{
    for (const char* text : {"-0", "-0.000", "-.0e7", "-1e-999"}) {
        const ParseResult parsed = parseNumber(text);
        ASSERT_TRUE(parsed.ok) << text;
        EXPECT_FALSE(std::signbit(parsed.value)) << text;
        EXPECT_EQ(formatField(parsed.value, "%7.4f"), " 0.0000") << text;
    }
}

} // namespace
} // namespace qv
