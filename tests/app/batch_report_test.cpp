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
    ASSERT_EQ(lines.size(), 48U);
    EXPECT_EQ(lines[1], "Quorvane");
    // The typed value was accepted by a pass and shows as typed until the program rewrites it.
    EXPECT_TRUE(std::regex_match(lines[9], std::regex("Input Voltage *120VAC"))) << lines[9];
}

} // namespace
} // namespace qv
