// The report's section "Tank Circuit": last, after "The Coil As It Stands", every input and every
// figure with its unit, and the reason where a figure has none.
#include "core/calculator.h"
#include "core/tank_inputs.h"
#include "io/report.h"
#include "io/report_coil_section.h"
#include "io/report_tank_section.h"
#include "io_test_support.h"
#include "tank/tank_circuit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace qv {
namespace {

using test::lineOf;
using test::Session;

TEST(ReportTankSection, FollowsTheCoilSectionWithEveryInputAndFigureAndItsUnit)
{
    Session s;
    s.calc.design.tank.leadLengthInches = 30;
    const std::vector<std::string> printed = printedReportLines(s.calc);
    const auto coil = std::find(printed.begin(), printed.end(), kCoilAsItStandsHeading);
    const auto tank = std::find(printed.begin(), printed.end(), kTankCircuitHeading);
    ASSERT_NE(tank, printed.end());
    EXPECT_LT(coil, tank) << "the coil as it stands comes first";
    const std::vector<std::string> section(tank, printed.end());

    for (const TankInput& input : kTankInputs) {
        const std::string line = lineOf(section, input.caption);
        EXPECT_TRUE(line.ends_with(tankText(s.calc.design.tank, input, LengthUnit::Inches) +
                                   (input.unit.empty() ? "" : " " + std::string(input.unit))))
            << line;
    }
    EXPECT_TRUE(lineOf(section, "Both primary leads together").ends_with(" 30.0 in"));
    for (const tank::TankFigureRow& row : tank::kTankFigureRows) {
        const std::string line = lineOf(section, row.caption);
        EXPECT_FALSE(line.empty()) << row.caption;
        EXPECT_TRUE(line.ends_with(row.unit)) << line;
    }
}

TEST(ReportTankSection, AFigureWithoutAValueShowsWhy)
{
    Session s;
    s.calc.design.tank.capacitorUf = 100; // the leads alone are more than 100 uF tunes with
    const std::vector<std::string> section = tankCircuitLines(s.calc);
    EXPECT_NE(lineOf(section, "Tap, the coil as it stands").find("the leads alone are more than the "),
              std::string::npos);
}

TEST(ReportTankSection, InMillimetresEveryLengthIsInTheMetricUnit)
{
    Session s;
    s.calc.design.tank.leadLengthInches = 30;
    switchLengthUnit(s.calc, LengthUnit::Millimetres);
    const std::vector<std::string> section = tankCircuitLines(s.calc);
    const std::pair<std::string_view, std::string_view> lines[] = {
        {"Both primary leads together", " 762.0 mm"}, {"Lead wire diameter", " mm"},
        {"Wire from the inner end to the tap", " m"}, {"Each gap, where air fires", " mm"},
        {"All gaps together", " mm"},                 {"Safety gap, where air fires", " mm"}};
    for (const auto& [caption, ending] : lines) EXPECT_TRUE(lineOf(section, caption).ends_with(ending)) << caption;
}

} // namespace
} // namespace qv
