// quorvane-calc --geometry and --analysis: the printed names are a contract for scripts, every
// figure is a number or "none", and the geometry moves the figures the way the physics says.
#include "app/batch_front_end.h"
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace qv {
namespace {

using batch_test::BatchRun;
using batch_test::run;

const std::vector<std::string> kFigureNames = {
    "ls_mh", "f0_khz", "f0_3_khz", "f0_5_khz", "cself_pf", "f1_khz", "ctop_pf", "f1_streamer_khz",
    "lp_uh", "m_uh", "k", "primary_for_targetk_in", "cp_uf", "cp_streamer_uf", "status"};

struct Printed {
    std::vector<std::string> names;
    std::map<std::string, std::string> text;
    double value(const std::string& name) const { return std::stod(text.at(name)); }
};

Printed analysis(std::vector<std::string> arguments)
{
    arguments.emplace_back("--analysis");
    const BatchRun r = run(arguments);
    EXPECT_EQ(r.status, kBatchOk);
    Printed printed;
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        const auto tab = line.find('\t');
        printed.names.push_back(line.substr(0, tab));
        printed.text[line.substr(0, tab)] = line.substr(tab + 1);
    }
    return printed;
}

TEST(BatchAnalysis, TheDefaultDesignPrintsEveryFigureAsAFiniteNumberAndStatusOk)
{
    const Printed p = analysis({});
    EXPECT_EQ(p.names, kFigureNames);
    for (std::size_t i = 0; i + 1 < kFigureNames.size(); ++i) {
        const std::string& text = p.text.at(kFigureNames[i]);
        std::size_t used = 0;
        const double value = std::stod(text, &used);
        EXPECT_EQ(used, text.size()) << kFigureNames[i] << " = " << text;
        EXPECT_TRUE(std::isfinite(value) && value > 0) << kFigureNames[i] << " = " << text;
    }
    EXPECT_EQ(p.text.at("status"), "ok");
}

TEST(BatchAnalysis, GeometryMovesTheFiguresTheWayThePhysicsSays)
{
    const Printed open = analysis({});
    // Further from the floor, less capacitance to ground: the bare coil rings higher.
    EXPECT_GT(analysis({"--geometry", "base=30"}).value("f0_khz"), open.value("f0_khz"));
    // A grounded ceiling just over the top load adds capacitance: lower.
    EXPECT_LT(analysis({"--geometry", "ceiling=70"}).value("f1_khz"), open.value("f1_khz"));
    // A primary raised along the winding couples more.
    EXPECT_GT(analysis({"--geometry", "primary=6"}).value("k"), open.value("k"));
    // A streamer adds capacitance at the top; without one the two loaded figures agree.
    EXPECT_DOUBLE_EQ(open.value("f1_streamer_khz"), open.value("f1_khz"));
    EXPECT_LT(analysis({"--geometry", "streamer=48"}).value("f1_streamer_khz"), open.value("f1_khz"));
    // A top load lifted off the winding shares less of its field with it.
    EXPECT_GT(analysis({"--geometry", "clearance=6"}).value("ctop_pf"), open.value("ctop_pf"));
}

TEST(BatchAnalysis, AFigureWithoutAValuePrintsNoneAndItsReason)
{
    // A third column only for figures without a value: the reason, never empty, never a
    // non-number's spelling.
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--geometry", "targetk=0.9"},
                                                 std::vector<std::string>{"--set", "PREdit4=1e-300"}}) {
        const Printed p = analysis(args);
        EXPECT_EQ(p.names, kFigureNames);
        for (const auto& [name, text] : p.text) {
            if (text.rfind("none", 0) != 0) {
                EXPECT_EQ(text.find('\t'), std::string::npos) << name << " = " << text;
                continue;
            }
            ASSERT_GT(text.size(), 6U) << name;
            EXPECT_EQ(text.substr(0, 5), "none\t") << name;
            for (const char* bad : {"inf", "nan"}) EXPECT_EQ(text.find(bad), std::string::npos) << name << ": " << text;
        }
        EXPECT_EQ(p.text.at("status"), "ok") << "the other figures still stand";
    }
    EXPECT_EQ(analysis({"--geometry", "targetk=0.9"}).text.at("primary_for_targetk_in").rfind("none\tNo primary height", 0), 0U);
}

TEST(BatchAnalysis, TheTargetKSearchFindsAHeightTheBuildersFlatPrimaryAllows)
{
    // A flat primary 5 in up on a coil 0.1 in off the floor: k is 0.140 at 1.8 in and 0.177 at 5 in,
    // so the start design's target 0.15 lies between (at height 0 the primary's wire is in the floor).
    const Printed p = analysis({"--click", "FlatPrimary", "--geometry", "base=0.1", "--geometry", "primary=5"});
    EXPECT_GT(p.value("primary_for_targetk_in"), 1.8);
    EXPECT_LT(p.value("primary_for_targetk_in"), 5);
}

TEST(BatchAnalysis, BadGeometryIsAUsageErrorOrAMessageThatKeepsTheLastValue)
{
    for (const std::string bad : {"base", "base=", "base=abc", "base=-1", "height=3", "targetk=0", "targetk=1"}) {
        const BatchRun r = run({"--geometry", bad, "--analysis"});
        EXPECT_EQ(r.status, kBatchUsage) << bad;
        EXPECT_TRUE(r.out.empty()) << bad;
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << bad;
    }
    // Start design: the toroid's top stands at 10 + 50 + 3 = 63 in.
    const BatchRun low = run({"--geometry", "ceiling=62", "--analysis"});
    EXPECT_EQ(low.status, kBatchOk);
    EXPECT_NE(low.err.find("message: Invalid Data Entered: the ceiling must be above"), std::string::npos) << low.err;
    EXPECT_EQ(low.out, run({"--analysis"}).out) << "the ceiling stays none";
}

} // namespace
} // namespace qv
