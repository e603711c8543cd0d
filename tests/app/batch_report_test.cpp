// The printed report's lines as quorvane-calc prints them.

#include "app/batch_front_end.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

TEST(ReportLines, BatchReportPrintsTheLinesOneALine)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::vector<std::string> arguments = {"--set", "TCEdit6=120", "--report"};
    ASSERT_EQ(runBatch(arguments, out, err), kBatchOk) << err.str();
    std::istringstream printed(out.str());
    std::vector<std::string> lines;
    for (std::string line; std::getline(printed, line);) lines.push_back(line);
    // The 48 lines of an empty scratch pad's report, then the coil as it stands after two empty lines.
    ASSERT_GT(lines.size(), 50U);
    EXPECT_EQ(lines[1], "Quorvane");
    EXPECT_EQ(lines[47], "");
    EXPECT_EQ(lines[50], "The Coil As It Stands");
    // The typed value was accepted by a pass and shows as typed until the program rewrites it.
    EXPECT_TRUE(std::regex_match(lines[9], std::regex("Input Voltage *120VAC"))) << lines[9];
}

} // namespace
} // namespace qv
