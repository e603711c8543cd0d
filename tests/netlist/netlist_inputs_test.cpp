// The netlists of the start design, read from the calculator after the passes BEGIN starts.
#include "netlist/netlist_inputs.h"

#include "core/number_parser.h"
#include "io_test_support.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using test::Session;

const std::string& lineAt(const std::vector<std::string>& lines, std::size_t number) { return lines.at(number - 1); }

// The number a template line ends in, with the unit suffix ("mh", "pf") cut off.
double trailingValue(const std::string& line, std::size_t suffixLength)
{
    const std::string body = line.substr(0, line.size() - suffixLength);
    return parseNumber(body.substr(body.find_last_of(' ') + 1)).value;
}

struct StartDesign : Session {
    StartDesign() { Main_Loop1(calc); } // two passes, as after BEGIN
    std::vector<std::string> netlist(int model) const { return netlistLines(model, netlistInputs(calc)); }
};

TEST(NetlistInputs, StartDesignNetlistsHaveTheirLengthsAndWorkedValues)
{
    const StartDesign s;
    const auto rlc = s.netlist(1);
    const auto ladder = s.netlist(2);
    const auto complex = s.netlist(3);
    EXPECT_EQ(rlc.size(), 44U);
    EXPECT_EQ(ladder.size(), 82U);
    EXPECT_EQ(complex.size(), 99U);
    for (const auto* lines : {&rlc, &ladder, &complex}) EXPECT_EQ(lines->front(), "*PSpice Output From Quorvane*");

    // Gauge 22: t = 0.95 / 0.02535 = 37.4753 turns/in, N = 0.97 x 50 x t = 1817.554 turns,
    // circumference 3.1415927 x 6.89 = 21.6456 in; Rs = 6.6927e-7 N circ / (pi (0.5 / t)^2).
    EXPECT_EQ(lineAt(rlc, 19), "R_R2           N03 N04  47.0839");
    for (std::size_t line = 33; line <= 38; ++line) EXPECT_TRUE(lineAt(ladder, line).ends_with(" 7.8473")) << line;
    // Wheeler: r = 3.445 in, L = r^2 N^2 / (9 r + 10 x 50) / 1000 = 73.8337 mH.
    EXPECT_NEAR(trailingValue(lineAt(rlc, 16), 2), 73.8337, 0.00011);
    EXPECT_EQ(lineAt(rlc, 32), ".IC               V(N01 )=   4000");
    EXPECT_EQ(lineAt(ladder, 58), ".IC               V(N01 )=   4000");
    EXPECT_EQ(lineAt(complex, 10), "V_V1         N01  0  AC     250");
    EXPECT_EQ(lineAt(complex, 11), "+SIN 0      250       60  0 0 0");
}

TEST(NetlistInputs, TheRlcCapacitanceFollowsTheTopLoadFlagOfTheLastPass)
{
    StartDesign s;
    const double selfPf = s.calc.secondary.selfCapacitancePf;
    const double topPf = s.calc.design.topLoadPf;
    ASSERT_GT(selfPf, 0);
    ASSERT_GT(topPf, 0);
    EXPECT_NEAR(trailingValue(lineAt(s.netlist(1), 25), 2), selfPf + topPf, 0.00006);

    clickOption(s.calc, OptionId::TopLoadCheck);
    EXPECT_NEAR(trailingValue(lineAt(s.netlist(1), 25), 2), selfPf + topPf, 0.00006); // no pass yet
    Main_Loop1(s.calc);
    EXPECT_NEAR(trailingValue(lineAt(s.netlist(1), 25), 2), selfPf, 0.00006);
    // The ladder and the complex model always carry Cs and Ctop apart.
    EXPECT_NEAR(trailingValue(lineAt(s.netlist(2), 54), 2), topPf, 0.00006);
    EXPECT_NEAR(trailingValue(lineAt(s.netlist(3), 60), 2), selfPf, 0.00006);
}

TEST(NetlistInputs, TheTubingResistanceComesFromThePrimaryStage)
{
    StartDesign s;
    clickOption(s.calc, OptionId::FlatPrimary);
    Main_Loop1(s.calc);
    Main_Loop1(s.calc);
    if (s.calc.primary.wireLengthInches == 0) GTEST_SKIP() << "the primary stage does not compute the wire length yet";
    // Flat spiral: lp = 221.846 in of 0.23 in tubing gives Rp = 0.0063319 ohm.
    EXPECT_NEAR(s.calc.primary.wireLengthInches, 221.846, 0.001);
    EXPECT_EQ(lineAt(s.netlist(1), 22), "R_R1           N01 N02  0.0063");
}

} // namespace
} // namespace qv
