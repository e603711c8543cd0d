#include "sim/raw_file.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qv {
namespace {

std::string header(std::size_t points, const std::string& flags = "real")
{
    return "Title: *pspice output from quorvane*\nDate: Tue Dec  8 01:31:04  2026\n"
           "Plotname: Transient Analysis\nFlags: " + flags + "\nNo. Variables: 3\nNo. Points: " +
           std::to_string(points) + "   \nVariables:\n\t0\ttime\ttime\n\t1\tv(n04)\tvoltage\n\t2\tv(n01)\tvoltage\nBinary:\n";
}

std::string doubles(const std::vector<double>& values)
{
    std::string bytes(values.size() * sizeof(double), '\0');
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
}

const std::vector<double> kTwoPoints{0.0, 1.0, 4000.0, 1e-7, -2.5, 3999.0};

TEST(RawFile, ReadsEachVariableOfEachPointIntoItsColumn)
{
    const auto read = readRawFile(header(2) + doubles(kTwoPoints));
    ASSERT_EQ(read.errorMessage, "");
    ASSERT_EQ(read.plots.size(), 1u);
    const RawPlot& plot = read.plots.front();
    EXPECT_EQ(plot.plotName, "Transient Analysis");
    EXPECT_EQ(plot.variableNames, (std::vector<std::string>{"time", "v(n04)", "v(n01)"}));
    EXPECT_EQ(plot.columns[0], (std::vector<double>{0.0, 1e-7}));
    EXPECT_EQ(plot.columns[1], (std::vector<double>{1.0, -2.5}));
    EXPECT_EQ(plot.columns[2], (std::vector<double>{4000.0, 3999.0}));
    EXPECT_EQ(plot.indexOf("V(N01)"), 2u);
    EXPECT_FALSE(plot.indexOf("v(n99)"));
}

TEST(RawFile, ReadsPlotsOneAfterAnother)
{
    const auto read = readRawFile(header(2) + doubles(kTwoPoints) + header(1) + doubles({5.0, 6.0, 7.0}));
    ASSERT_EQ(read.plots.size(), 2u);
    EXPECT_EQ(read.plots[1].columns[2], std::vector<double>{7.0});
}

TEST(RawFile, DamagedFilesGiveAnErrorAndNoData)
{
    const std::string whole = header(2) + doubles(kTwoPoints);
    const std::string cases[] = {
        "",
        whole.substr(0, whole.size() - 1),            // last double cut short
        header(3) + doubles(kTwoPoints),              // more points announced than written
        whole.substr(0, 60),                          // cut inside the header
        header(2, "complex") + doubles(kTwoPoints),
        std::string(5000, '\xff'),
        "Title: x\nNo. Variables: 99999999999999999999\n",
        "Title: x\nNo. Variables: 3\nNo. Points: 2\nVariables:\n\t0\ttime\ttime\nBinary:\n",
        "Title: x\nNo. Variables: 1\nNo. Points: 1\nVariables:\n\t0\ttime\ttime\nValues:\n0 0\n",
        whole + "garbage after the plot\n",
    };
    for (const auto& bytes : cases) {
        const auto read = readRawFile(bytes);
        EXPECT_TRUE(read.plots.empty()) << bytes.size();
        EXPECT_FALSE(read.errorMessage.empty()) << bytes.size();
    }
    EXPECT_NE(readRawFile(cases[1]).errorMessage.find("truncated"), std::string::npos);
}

// A header whose variable list and variable count disagree (a count repeated after the list,
// or a second list) would leave names without a column behind them.
TEST(RawFile, HeaderWhoseNamesAndCountDisagreeIsRefused)
{
    const std::string list = "Variables:\n\t0\ttime\ttime\n\t1\tv(n04)\tvoltage\n\t2\tv(n01)\tvoltage\n";
    const std::string cases[] = {
        "Title: x\nNo. Variables: 3\nNo. Points: 2\n" + list + "No. Variables: 1\nBinary:\n" + doubles(kTwoPoints),
        "Title: x\nNo. Variables: 3\nNo. Points: 2\n" + list + list + "Binary:\n" + doubles(kTwoPoints),
    };
    for (const auto& bytes : cases) {
        const auto read = readRawFile(bytes);
        EXPECT_TRUE(read.plots.empty());
        EXPECT_NE(read.errorMessage.find("variable list"), std::string::npos) << read.errorMessage;
        EXPECT_FALSE(readRawLayout(bytes));
    }
}

TEST(RawFile, LayoutOfAFileStillBeingWrittenPointsAtItsData)
{
    const std::string head = header(0);
    const auto layout = readRawLayout(head + doubles(kTwoPoints));
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->dataOffsetBytes, head.size());
    EXPECT_EQ(layout->variableCount, 3u);
    EXPECT_FALSE(readRawLayout(head.substr(0, 40)));
}

} // namespace
} // namespace qv
