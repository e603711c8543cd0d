// quorvane-calc --tank and --tank-figures: the printed names are a contract for scripts, in the
// order they are documented; a figure without a value says why; a refused input is named.
#include "app/batch_front_end.h"
#include "app/batch_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace qv {
namespace {

using batch_test::BatchRun;
using batch_test::run;

const std::vector<std::string> kFigureNames = {
    "resonant_uf", "target_uf", "mmc_series", "mmc_parallel", "mmc_count", "mmc_uf", "mmc_vdc", "mmc_margin",
    "tank_uf", "lead_uh", "tap_turns_classic", "tap_turns_asis", "tap_turns_streamer", "tap_wire_ft", "vfire_v",
    "energy_j", "power_w", "ipk_a", "z0_ohm", "k_tap", "notch_us", "irms_a", "string_ipk_a", "string_irms_a",
    "cap_dvdt_v_us", "ratings", "bleeder_s", "bleeder_w", "gap_each_in", "gap_total_in", "safety_gap_in", "vtop_kv",
    "status"};

struct Line {
    std::string name;
    std::string rest;
};

std::vector<Line> tankFigures(std::vector<std::string> arguments)
{
    arguments.emplace_back("--tank-figures");
    const BatchRun r = run(arguments);
    EXPECT_EQ(r.status, kBatchOk) << r.err;
    std::vector<Line> lines;
    std::istringstream text(r.out);
    for (std::string line; std::getline(text, line);) {
        const auto tab = line.find('\t');
        lines.push_back({line.substr(0, tab), line.substr(tab + 1)});
    }
    return lines;
}

TEST(BatchTank, TheDefaultDesignPrintsEveryFigureAsAFiniteNumberAndStatusOk)
{
    const std::vector<Line> lines = tankFigures({});
    ASSERT_EQ(lines.size(), kFigureNames.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].name, kFigureNames[i]);
        if (lines[i].name == "ratings" || lines[i].name == "status") continue;
        std::size_t used = 0;
        const double value = std::stod(lines[i].rest, &used);
        EXPECT_EQ(used, lines[i].rest.size()) << lines[i].name << " = " << lines[i].rest;
        EXPECT_TRUE(std::isfinite(value)) << lines[i].name;
    }
    EXPECT_EQ(lines.back().rest, "ok");
}

TEST(BatchTank, AFigureWithoutAValueSaysWhy)
{
    // 100 uF needs less inductance than the leads alone have.
    const std::vector<Line> lines = tankFigures({"--tank", "cap_uf=100"});
    ASSERT_EQ(lines.size(), kFigureNames.size());
    EXPECT_EQ(lines[8].rest, "100");
    EXPECT_EQ(lines[11].rest.rfind("none\tthe leads alone are more than the ", 0), 0U) << lines[11].rest;
}

TEST(BatchTank, ARefusedInputIsNamedBeforeAnythingRuns)
{
    struct Case {
        const char* argument;
        const char* error;
    };
    const Case cases[] = {
        {"ltr=9", "--tank: Invalid Data Entered: Tank size over resonant size (LTR) takes 0.2 to 5\n"},
        {"capacitor=1", "--tank: no tank input named capacitor (cap_uf, lead_in, "},
        {"ltr", "--tank: expected NAME=VALUE\n"},
    };
    for (const Case& c : cases) {
        const BatchRun r = run({"--tank", c.argument, "--tank-figures"});
        EXPECT_EQ(r.status, kBatchUsage) << c.argument;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind(c.error, 0), 0U) << r.err;
    }
}

TEST(BatchTank, InMillimetresALengthIsTypedAndPrintedUnderItsMetricName)
{
    struct Length {
        const char* inchName;
        const char* metricName;
        double metricPerInch;
    };
    const Length lengths[] = {{"tap_wire_ft", "tap_wire_m", 0.3048},
                              {"gap_each_in", "gap_each_mm", 25.4},
                              {"gap_total_in", "gap_total_mm", 25.4},
                              {"safety_gap_in", "safety_gap_mm", 25.4}};
    // 914.4 mm is 36 in: every figure is the same coil's, a length in the metric unit.
    const std::vector<Line> inches = tankFigures({"--tank", "lead_in=36"});
    const std::vector<Line> metric = tankFigures({"--units", "mm", "--tank", "lead_in=914.4"});
    ASSERT_EQ(metric.size(), inches.size());
    for (std::size_t i = 0; i < inches.size(); ++i) {
        std::string name = inches[i].name;
        if (name == "ratings" || name == "status") continue; // text, not figures
        double factor = 1;
        for (const Length& length : lengths)
            if (name == length.inchName) std::tie(name, factor) = std::pair{length.metricName, length.metricPerInch};
        EXPECT_EQ(metric[i].name, name);
        const double expected = factor * std::stod(inches[i].rest);
        EXPECT_NEAR(std::stod(metric[i].rest), expected, 1e-5 * std::abs(expected)) << name; // six digits printed
    }
}

} // namespace
} // namespace qv
