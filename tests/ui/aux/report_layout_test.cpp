// The report's page layout with a fixed-pitch stand-in font: every character 10 units wide,
// 20 units high, so a printed line is 22 units and the positions can be worked out by hand.

#include "ui/aux/report_layout.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr int kCharWidth = 10;
constexpr int kCharHeight = 20;
constexpr int kLine = kCharHeight + kLineGap; // 22

int codePoints(std::string_view text)
{
    int count = 0;
    for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    return count;
}

// Ten characters to a line; 300 units high.
PrintMetrics page(int width = 100, int height = 300)
{
    return {width, height, kCharHeight, kCharWidth, [](std::string_view text) { return codePoints(text) * kCharWidth; }};
}

TEST(ReportLayout, LongLineBreaksAfterTheLastCharacterThatFits)
{
    const auto pages = layoutReport({"0123456789abcdefghijKLM", "next"}, page());
    ASSERT_EQ(pages.size(), 1U);
    EXPECT_EQ(pages[0].runs, (std::vector<TextRun>{
                                 {0, 0, "0123456789"}, {0, kLine, "abcdefghij"}, {0, 2 * kLine, "KLM"}, {0, 3 * kLine, "next"}}));
    // Exactly ten characters fit and do not wrap.
    EXPECT_EQ(layoutReport({"0123456789"}, page())[0].runs.size(), 1U);
}

TEST(ReportLayout, MultiByteCharactersAreNeverSplit)
{
    const auto pages = layoutReport({"äöüäöüäöüäÄ"}, page()); // eleven characters, 22 bytes
    ASSERT_EQ(pages[0].runs.size(), 2U);
    EXPECT_EQ(pages[0].runs[0].text, "äöüäöüäöüä");
    EXPECT_EQ(pages[0].runs[1].text, "Ä");
}

TEST(ReportLayout, CharacterWiderThanThePageStillAdvances)
{
    // 150 units per character on a 100-unit page: one character a line, and the layout ends.
    PrintMetrics metrics = page();
    metrics.textWidth = [](std::string_view text) { return codePoints(text) * 150; };
    const auto pages = layoutReport({"abc"}, metrics);
    EXPECT_EQ(pages[0].runs, (std::vector<TextRun>{{0, 0, "a"}, {0, kLine, "b"}, {0, 2 * kLine, "c"}}));
}

TEST(ReportLayout, TabAdvancesToTheNextMultipleOfEightCharacterWidths)
{
    const auto wide = page(400);
    EXPECT_EQ(layoutReport({"a\tb"}, wide)[0].runs, (std::vector<TextRun>{{0, 0, "a"}, {80, 0, "b"}}));
    // From a tab stop itself the tab goes on to the next one.
    EXPECT_EQ(layoutReport({"01234567\tb"}, wide)[0].runs, (std::vector<TextRun>{{0, 0, "01234567"}, {160, 0, "b"}}));
    EXPECT_EQ(layoutReport({"\t\tx"}, wide)[0].runs, (std::vector<TextRun>{{160, 0, "x"}}));
    // A tab past the right edge continues on the next line.
    EXPECT_EQ(layoutReport({"abcdefgh\tX"}, page())[0].runs, (std::vector<TextRun>{{0, 0, "abcdefgh"}, {0, kLine, "X"}}));
}

TEST(ReportLayout, EmptyLineAdvancesByTheCharacterHeightAndTextByTwoMore)
{
    const auto pages = layoutReport({"", "a", "", "", "b"}, page());
    EXPECT_EQ(pages[0].runs, (std::vector<TextRun>{{0, kCharHeight, "a"}, {0, kCharHeight + kLine + 2 * kCharHeight, "b"}}));
}

TEST(ReportLayout, PageBreaksWhenTheNextLineWouldStartBelowHeightLessTwoLines)
{
    // After a text line at 242 the next would start at 264, below 300 - 44 = 256: twelve lines a page.
    const std::vector<std::string> lines(13, "x");
    const auto pages = layoutReport(lines, page());
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[0].runs.size(), 12U);
    EXPECT_EQ(pages[0].runs.back().y, 11 * kLine);
    EXPECT_EQ(pages[1].runs, (std::vector<TextRun>{{0, 0, "x"}}));
}

TEST(ReportLayout, AfterEmptyLinesThePageBreaksOnlyBelowTheFullHeight)
{
    // 15 empty lines reach 300, not below it: no break yet; the 16th passes it.
    std::vector<std::string> lines(16, "");
    lines.push_back("x");
    const auto pages = layoutReport(lines, page());
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[1].runs, (std::vector<TextRun>{{0, 0, "x"}}));
}

TEST(ReportLayout, TextNeverRunsOffTheBottomAfterEmptyLines)
{
    // 14 empty lines leave the next line at 280; its 22 units would end below 300.
    std::vector<std::string> lines(14, "");
    lines.push_back("kept whole");
    const auto pages = layoutReport(lines, page(200));
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_TRUE(pages[0].runs.empty());
    EXPECT_EQ(pages[1].runs, (std::vector<TextRun>{{0, 0, "kept whole"}}));
}

TEST(ReportLayout, FormFeedStartsANewPage)
{
    auto pages = layoutReport({"one\ftwo", "three"}, page());
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[0].runs, (std::vector<TextRun>{{0, 0, "one"}}));
    EXPECT_EQ(pages[1].runs, (std::vector<TextRun>{{0, 0, "two"}, {0, kLine, "three"}}));

    // A form feed that ends its line leaves the next line at the new page's top.
    pages = layoutReport({"one\f", "two"}, page());
    ASSERT_EQ(pages.size(), 2U);
    EXPECT_EQ(pages[1].runs, (std::vector<TextRun>{{0, 0, "two"}}));

    // Two in a row leave one blank sheet; one at the very end leaves none.
    EXPECT_EQ(layoutReport({"one\f\ftwo"}, page()).size(), 3U);
    EXPECT_EQ(layoutReport({"one\f"}, page()).size(), 1U);
}

TEST(ReportLayout, TrailingEmptyLinesLeaveNoBlankSheet)
{
    std::vector<std::string> lines(12, "x");
    lines.insert(lines.end(), 5, "");
    EXPECT_EQ(layoutReport(lines, page()).size(), 1U);
    EXPECT_EQ(layoutReport({}, page()).size(), 1U);
}

} // namespace
} // namespace qv
