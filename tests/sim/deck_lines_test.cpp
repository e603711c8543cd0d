#include "sim/deck_lines.h"

#include <gtest/gtest.h>

namespace qv::deck {
namespace {

TEST(DeckLines, SplitsEveryLineEndingTheCalculatorOrAnEditorMayWrite)
{
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\nb"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\r\n\r\nc"), (std::vector<std::string>{"a", "b", "", "c"}));
}

TEST(DeckLines, ContinuationJoinsTheStatementAboveEvenPastAComment)
{
    const auto joined = joinContinuationLines({"V_V1 N01 0 AC 250", "+SIN 0 250 60 0 0 0", "* note", "+ 1"});
    ASSERT_EQ(joined.size(), 2u);
    EXPECT_EQ(joined[0], "V_V1 N01 0 AC 250 SIN 0 250 60 0 0 0  1");
    EXPECT_EQ(joined[1], "* note");
}

TEST(DeckLines, ValuesReadWithPSpiceScaleSuffixesAndIgnoredUnits)
{
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"0.0170mh", 17e-6},  {"73.8340mh", 73.834e-3}, {"0.1796uf", 0.1796e-6}, {"41.3258pf", 41.3258e-12},
        {"0.396nf", 0.396e-9}, {"14Meg", 14e6},          {"14MEG", 14e6},         {"1G", 1e9},
        {"8.3333ms", 8.3333e-3}, {"3.183h", 3.183},      {".1", 0.1},             {"220000", 220000.0},
        {"5pf", 5e-12},        {"2k", 2000.0},           {"1mil", 25.4e-6},       {"+4", 4.0},
    };
    for (const auto& c : cases) {
        const auto value = parseValue(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_NEAR(*value, c.expected, 1e-9 * c.expected) << c.text;
    }
    EXPECT_FALSE(parseValue("mh"));
    EXPECT_FALSE(parseValue(""));
    EXPECT_FALSE(parseValue("inf"));
}

} // namespace
} // namespace qv::deck
