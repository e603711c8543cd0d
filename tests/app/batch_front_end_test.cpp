// The batch front end's contract: actions left to right, field listing, messages, exit codes.
#include "app/batch_front_end.h"
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

using batch_test::BatchRun;
using batch_test::run;

std::map<std::string, std::string> fields(const std::string& listing)
{
    std::map<std::string, std::string> byName;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        byName[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return byName;
}

TEST(BatchFrontEnd, ListsEveryFieldInTableOrderWithLeadingBlanks)
{
    const BatchRun r = run({"--fields"});
    EXPECT_EQ(r.status, kBatchOk);
    EXPECT_TRUE(r.err.empty());
    EXPECT_EQ(r.out.substr(0, r.out.find('\n')), "TCEdit1\t   4000");
    std::vector<std::string> names;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) names.push_back(line.substr(0, line.find('\t')));
    ASSERT_EQ(names.size(), 50u);
    EXPECT_EQ(names[22], "SGEdit7") << "last of the input fields";
    EXPECT_EQ(names[23], "PREdit5") << "first of the results";
    EXPECT_EQ(names.back(), "OutputEdit1");
    const auto shown = fields(r.out);
    EXPECT_EQ(shown.at("SEEdit14"), "  23.35");
    EXPECT_EQ(shown.at("SEEdit13"), "  91.12");
    EXPECT_EQ(shown.at("TOCEdit3"), "23.35");
}

TEST(BatchFrontEnd, ActionsApplyLeftToRight)
{
    const BatchRun r = run({"--fields", "--set", "SEEdit2=40", "--fields"});
    const std::string second = r.out.substr(r.out.find("TCEdit1", 1));
    EXPECT_EQ(fields(r.out.substr(0, r.out.find("TCEdit1", 1))).at("SEEdit17"), "1817.55");
    EXPECT_EQ(fields(second).at("SEEdit17"), "1454.04") << "two passes follow every action";
    EXPECT_EQ(fields(second).at("SEEdit2"), "40");
}

TEST(BatchFrontEnd, RejectedTextIsReportedOnceAndRestored)
{
    const BatchRun r = run({"--set", "PREdit1=abc", "--fields"});
    EXPECT_EQ(r.status, kBatchOk);
    EXPECT_EQ(r.err, "message: Invalid Data Entered\n");
    EXPECT_EQ(fields(r.out).at("PREdit1"), "11.0");
}

TEST(BatchFrontEnd, ClicksOptions)
{
    const BatchRun r = run({"--click", "SphereSelect", "--fields"});
    EXPECT_EQ(fields(r.out).at("TOCEdit3"), "8.52");
    EXPECT_EQ(fields(r.out).at("TOCEdit2"), "     ");
    const BatchRun copyOff = run({"--click", "NoCap", "--set", "SEEdit14=30", "--fields"});
    EXPECT_EQ(fields(copyOff.out).at("SEEdit14"), "  30.00");
}

TEST(BatchFrontEnd, MalformedArgumentsStopBeforeAnythingRuns)
{
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--fields", "--bogus"}, {"--set"}, {"--set", "PREdit1"}, {"--set", "NoSuch=1"},
          {"--set", "PREdit5=1"}, {"--click", "BeginButton"}, {"--passes", "-1"}, {"--passes", "1.5"}}) {
        const BatchRun r = run(bad);
        EXPECT_EQ(r.status, kBatchUsage) << bad.back();
        EXPECT_TRUE(r.out.empty()) << "nothing printed before the usage error";
        EXPECT_NE(r.err.find("usage: quorvane-calc"), std::string::npos);
    }
}

// In the window a read-only, disabled or hidden control takes no typing, click or step; the
// batch front end refuses them too instead of changing what the user could not.
TEST(BatchFrontEnd, ControlsOutOfAPersonsReachRefuseTheAction)
{
    const std::vector<std::string> sphere{"--click", "SphereSelect"};
    const std::vector<std::string> flat{"--click", "FlatPrimary"};
    struct Case {
        std::vector<std::string> before;
        std::vector<std::string> action;
        const char* why;
    };
    for (const Case& c : {Case{{}, {"--set", "SEEdit3=abc"}, "SEEdit3 is read-only"},
                          Case{{}, {"--set", "SEEdit4=99"}, "SEEdit4 is read-only"},
                          Case{sphere, {"--set", "TOCEdit2=5"}, "TOCEdit2 is disabled"},
                          Case{sphere, {"--step", "TOCSpinButton2:up"}, "TOCSpinButton2 is disabled"},
                          Case{sphere, {"--click", "PhysicsButton"}, "PhysicsButton is hidden"},
                          Case{flat, {"--set", "PREdit12=45"}, "PREdit12 is disabled"}}) {
        std::vector<std::string> arguments = c.before;
        arguments.insert(arguments.end(), c.action.begin(), c.action.end());
        arguments.push_back("--fields");
        const BatchRun r = run(arguments);
        EXPECT_EQ(r.status, kBatchUsage) << c.why;
        EXPECT_TRUE(r.out.empty()) << c.why << ": nothing after the refused action runs";
        EXPECT_EQ(r.err.substr(0, r.err.find('\n')), c.action[0] + ": " + c.why);
        EXPECT_NE(r.err.find("usage: quorvane-calc"), std::string::npos) << c.why;
    }
    // The same controls while a person can reach them.
    EXPECT_EQ(run({"--set", "TOCEdit2=5", "--step", "TOCSpinButton2:up", "--click", "PhysicsButton"}).status, kBatchOk);
    EXPECT_EQ(fields(run({"--step", "SESpinButton3:up", "--fields"}).out).at("SEEdit3"), "  23");
}

TEST(BatchFrontEnd, UnitsSpeakMillimetresAndLeaveTheDesignInInches)
{
    const std::string reference = run({"--reference"}).out;
    EXPECT_EQ(run({"--units", "mm", "--units", "in", "--units", "mm", "--reference"}).out, reference);

    const BatchRun r = run({"--units", "mm", "--set", "PREdit1=300", "--fields", "--report", "--units", "in", "--fields"});
    EXPECT_EQ(r.status, kBatchOk);
    EXPECT_TRUE(r.err.empty()) << r.err;
    const std::size_t second = r.out.find("TCEdit1", 1);
    EXPECT_EQ(fields(r.out.substr(0, second)).at("PREdit1"), "300"); // typed text stays as typed
    EXPECT_EQ(fields(r.out.substr(0, second)).at("SEEdit2"), "1270.00");
    EXPECT_NE(r.out.find("Inside Diameter 300mm"), std::string::npos) << "the report in the session's unit";
    EXPECT_EQ(fields(r.out.substr(second)).at("PREdit1"), "11.8") << "300 mm taken as 300 / 25.4 in";
    EXPECT_EQ(run({"--units", "cm"}).status, kBatchUsage);
}

TEST(BatchFrontEnd, MoreDesignPassesChangeNothingInASteadyDesign)
{
    EXPECT_EQ(run({"--fields"}).out, run({"--passes", "10", "--fields"}).out);
}

} // namespace
} // namespace qv
