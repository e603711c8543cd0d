// The report's lines against the report's layout written out independently: every padded label
// in the "Word[n]Word" notation of the coil report's column plan, with [n] standing for n blanks,
// and {FIELD} for the text that field shows.

#include "io/report.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

#include <regex>

namespace qv {
namespace {

using test::Session;

// Expands "[n]" to n blanks and "{NAME}" to the field's shown text.
std::string expand(const Calculator& calc, const std::string& pattern)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern[i] == '[') {
            const std::size_t close = pattern.find(']', i);
            out.append(std::stoul(pattern.substr(i + 1, close - i - 1)), ' ');
            i = close + 1;
        } else if (pattern[i] == '{') {
            const std::size_t close = pattern.find('}', i);
            out += calc.form.field(*fieldByName(pattern.substr(i + 1, close - i - 1))).text;
            i = close + 1;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

struct ExpectedLine {
    int number; // 1-based, as the report counts
    const char* pattern;
};

constexpr ExpectedLine kExpectedLines[] = {
    {1, ""},
    {2, "Quorvane"},
    {4, ""},
    {5, "Your[1]Tesla[1]Coil[1]Design[1]Has[1]The[1]Following[1]Parameters:"},
    {6, ""}, {7, ""},
    {8, "Primary[1]Transformer"},
    {9, ""},
    {10, "Input[1]Voltage{TCEdit6}VAC"},
    {11, "Output[1]Voltage{TCEdit1}VAC"},
    {12, "Output[1]Current{TCEdit2}Amps"},
    {13, "Input[1]Frequency{TCEdit3}Hz"},
    {14, "Capacitance[1]for[1]Transformer[1]Z[1]Match{TCEdit4}uf"},
    {15, "PFC[1]Capacitance{TCEdit5}uf"},
    {16, ""}, {17, ""}, {18, ""}, {19, ""}, {20, ""},
    {21, "Primary[1]Design"},
    {22, ""}, {23, ""},
    {24, "Inside[1]Diameter[1]{PREdit1}in[7]Average[1]Radius[12]{PREdit6}in"},
    {25, "Wire[1]Diameter[4]{PREdit2}in[5]Total[1]Diameter[11]{PREdit7}in"},
    {26, "Wire[1]Spacing[5]{PREdit3}in[5]Wire[1]Length[14]{PREdit8}ft"},
    {27, "Total[1]Turns[5]{PREdit4}[9]Secondary[1]Res[1]Freq[6]{PREdit9}khz"},
    {28, "Inductance[6]{PREdit5}mh[4]Primary[1]Cap[1]to[1]Res[7]{PREdit13}uf"},
    {29, "Angle[1]of[1]Windings{PREdit12}degrees"},
    {30, ""}, {31, ""},
    {32, "Secondary[1]Design"},
    {33, ""}, {34, ""},
    {35, "Diameter[9]{SEEdit1}in[6]Radius[17]{SEEdit6}in"},
    {36, "Length[10]{SEEdit2}in[6]Circumference[10]{SEEdit7}in"},
    {37, "Gauge[9]{SEEdit3}[11]Wire[1]Length[12]{SEEdit8}ft"},
    {38, "1/4[1]Wave[1]Length[1](without[1]top[1]load[1]C)[16]{SEEdit15}ft"},
    {39, "Turns/Inch[6]{SEEdit4}[8]H/D[1]Aspect[13]{SEEdit9}"},
    {40, "Total[1]Turns[5]{SEEdit17}[38]"},
    {41, "Inductance[4]{SEEdit5}mh[6]Res[1]Freq[15]{SEEdit12}khz"},
    {42, "Medhurst_K[4]{SEEdit10}[8]Res[1]Freq[1]W/[1]Toroid[5]{SEEdit13}khz"},
    {43, "Self_C[8]{SEEdit11}pf"},
    {44, "Top[1]Load[1]C[4]{SEEdit14}pf[6]1/4[1]Wave[1]Length[8]{SEEdit16}ft"},
    {45, ""}, {46, ""},
    {47, "Scratch[1]Pad[1]Memo[1]Output:"},
    {48, ""},
};

TEST(ReportLines, EveryFixedLineHasItsLabelsBlanksAndFieldTexts)
{
    Session s;
    const std::vector<std::string> lines = reportLines(s.calc);
    ASSERT_EQ(lines.size(), 48U);
    for (const ExpectedLine& expected : kExpectedLines)
        EXPECT_EQ(lines[static_cast<std::size_t>(expected.number - 1)], expand(s.calc, expected.pattern))
            << "line " << expected.number;
}

TEST(ReportLines, WorkedLinesOfTheDefaultDesign)
{
    Session s;
    const std::vector<std::string> lines = reportLines(s.calc);
    EXPECT_EQ(lines[2], "File:untitled.qvd");
    // 250 in "%7.0f" is four blanks and 250, and the unit follows without a blank.
    EXPECT_EQ(lines[9], "Input Voltage    250VAC");
    // Gauge 22 in "%4d" and the 6.89 in by 50 in secondary's 3278.50 ft of wire.
    EXPECT_EQ(lines[36], "Gauge" + std::string(9, ' ') + "  22" + std::string(11, ' ') + "Wire Length" +
                             std::string(12, ' ') + "3278.50ft");
}

TEST(ReportLines, FieldTextsAreTakenAsShownNotFromTheVariables)
{
    Session s;
    // A turns-per-inch step leaves "Custom" in the gauge field; the gauge variable is unchanged.
    s.calc.form.write(FieldId::SEEdit3, "Custom");
    s.calc.designFileName = "/home/coil/8x6.qvd";
    const std::vector<std::string> lines = reportLines(s.calc);
    EXPECT_EQ(lines[2], "File:/home/coil/8x6.qvd");
    EXPECT_EQ(lines[36], "Gauge" + std::string(9, ' ') + "Custom" + std::string(11, ' ') + "Wire Length" +
                             std::string(12, ' ') + "3278.50ft");
}

TEST(ReportLines, ScratchPadLinesFollowLine48OnceEachInOrder)
{
    Session s;
    EXPECT_EQ(reportLines(s.calc).size(), kReportFixedLineCount);

    replaceScratchPad(s.calc, "first\n\tindented\nlast");
    std::vector<std::string> lines = reportLines(s.calc);
    ASSERT_EQ(lines.size(), 51U);
    EXPECT_EQ(lines[47], "");
    EXPECT_EQ(lines[48], "first");
    EXPECT_EQ(lines[49], "\tindented");
    EXPECT_EQ(lines[50], "last");

    // A final line break ends the last line; it does not add an empty one.
    replaceScratchPad(s.calc, "first\n\tindented\nlast\n");
    EXPECT_EQ(reportLines(s.calc).size(), 51U);
}

TEST(ScratchPadLines, SplitsAsTheScratchPadShowsItsText)
{
    EXPECT_EQ(scratchPadLines(""), std::vector<std::string>{});
    EXPECT_EQ(scratchPadLines("\n"), std::vector<std::string>{""});
    EXPECT_EQ(scratchPadLines("a\n\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(scratchPadLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(scratchPadLines("page one\fpage two"), std::vector<std::string>{"page one\fpage two"});
}

} // namespace
} // namespace qv
