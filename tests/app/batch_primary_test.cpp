// The primary stage, spark gap and spin buttons end to end through quorvane-calc's actions.

#include "app/batch_front_end.h"
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

using batch_test::BatchRun;
using batch_test::run;

// The text --fields printed for one field.
std::string field(const BatchRun& r, const std::string& name)
{
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind(name + '\t', 0) == 0) return line.substr(name.size() + 1);
    return "<missing>";
}

TEST(BatchPrimary, ShapesAndGapModeByClick)
{
    const BatchRun helix = run({"--click", "VerticalPrimary", "--fields"});
    ASSERT_EQ(helix.status, kBatchOk);
    EXPECT_EQ(field(helix, "PREdit5"), " 0.0125");
    EXPECT_EQ(field(helix, "PREdit12"), "90");

    const BatchRun rotary = run({"--click", "RadioButton2", "--fields"});
    EXPECT_EQ(field(rotary, "SGEdit1"), "564.3");
    EXPECT_EQ(field(rotary, "SGEdit8"), "1531");

    // PREdit9 is the loaded frequency SEEdit13 with the top load, the bare SEEdit12 without
    // (those show two decimals).
    const BatchRun bare = run({"--click", "TopLoadCheck", "--fields"});
    EXPECT_NEAR(std::stod(field(helix, "PREdit9")), std::stod(field(helix, "SEEdit13")), 0.005);
    EXPECT_NEAR(std::stod(field(bare, "PREdit9")), std::stod(field(bare, "SEEdit12")), 0.005);
    EXPECT_GT(std::stod(field(bare, "PREdit9")), std::stod(field(helix, "PREdit9")) + 1);
}

TEST(BatchPrimary, StepPressesEachArrowCountTimes)
{
    const BatchRun r = run({"--step", "PRSpinButton4:up:3", "--step", "TCSpinButton1:down:100", "--fields"});
    ASSERT_EQ(r.status, kBatchOk) << r.err;
    EXPECT_EQ(field(r, "PREdit4"), " 5.7");
    EXPECT_EQ(field(r, "TCEdit1"), "    100");
    EXPECT_EQ(field(r, "SGEdit8"), " 100"); // the trigger voltage follows the stepped voltage
    EXPECT_TRUE(r.err.empty());
    // The motor speed and its spin button are shown for rotary gaps only.
    const BatchRun rotary = run({"--click", "RadioButton2", "--step", "SGSpinButton7:up", "--fields"});
    ASSERT_EQ(rotary.status, kBatchOk) << rotary.err;
    EXPECT_EQ(field(rotary, "SGEdit7"), "1900");
}

TEST(BatchPrimary, MalformedStepsAreRejectedBeforeAnythingRuns)
{
    for (const char* bad : {"PRSpinButton4", "PRSpinButton4:sideways", "PRSpinButton4:up:0", "PRSpinButton4:up:1.5",
                            "PRSpinButton4:up:abc", "SGSpinButton6:up", "Label90:down", "NoSuchButton:up"}) {
        const BatchRun r = run({"--step", bad, "--fields"});
        EXPECT_EQ(r.status, kBatchUsage) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
    }
}

TEST(BatchPrimary, BadAngleWarnsAndHugeTurnCountFinishes)
{
    const BatchRun angle = run({"--set", "PREdit12=91", "--fields"});
    EXPECT_EQ(angle.err, "message: Invalid Data Entered\n");
    EXPECT_EQ(field(angle, "PREdit12"), "30");

    const BatchRun huge = run({"--set", "PREdit4=1e12", "--fields"});
    ASSERT_EQ(huge.status, kBatchOk);
    EXPECT_TRUE(huge.err.empty());
    EXPECT_EQ(field(huge, "PREdit8").find("----"), std::string::npos);
}

} // namespace
} // namespace qv
