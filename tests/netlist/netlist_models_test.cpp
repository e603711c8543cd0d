#include "netlist/netlist_models.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using qv::NetlistInputs;
using qv::netlistLines;

// Line n of a netlist, counted from 1 as the simulator's listing counts them.
const std::string& lineAt(const std::vector<std::string>& lines, std::size_t number) {
    return lines.at(number - 1);
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// The default design: conical primary at 30 degrees, default secondary
// (diameter 6.89 in, length 50 in, gauge 22), default toroid, TopLoadCheck on.
NetlistInputs defaultDesign() {
    NetlistInputs in;
    in.primaryInductanceMh = 0.016987;
    in.secondaryInductanceMh = 73.834;
    in.selfCapacitancePf = 17.9758;
    in.topLoadPf = 23.3465;
    in.totalCapacitancePf = in.selfCapacitancePf + in.topLoadPf;  // 41.3223
    // Tuned to the loaded secondary: t = sqrt(Ls x Ctot x 1000) / 1e6 = 0.00174671 s,
    // F = 1 / (6.2831854 t) = 91.117 kHz; Creq = 1000 / (4 x 3.1415^2 x F^2 x Lp) = 0.17962 uF.
    const double periodS = std::sqrt(in.secondaryInductanceMh * in.totalCapacitancePf * 1000.0) / 1000000.0;
    const double frequencyKhz = 1.0 / (6.2831854 * periodS);
    in.requiredCapacitanceUf =
        1000.0 / (4.0 * 3.1415 * 3.1415 * frequencyKhz * frequencyKhz * in.primaryInductanceMh);
    in.outputVolts = 4000.0;
    in.inputVolts = 250.0;
    in.lineFrequencyHz = 60.0;
    in.primaryTubeDiameterInches = 0.23;
    in.primaryWireLengthInches = 18.14 * 12.0;  // 217.68 in for the cone
    in.secondaryTurns = 1817.554;               // 0.97 x 50 in x 37.4753 turns/in
    in.secondaryCircumferenceInches = 21.6456;  // 3.1415927 x 6.89 in
    in.turnsPerInch = 0.95 / 0.02535;           // gauge 22 bare diameter 0.02535 in
    in.topLoadFlag = true;
    return in;
}

// The flat spiral primary has 221.846 in of tubing.
NetlistInputs flatSpiralDesign() {
    NetlistInputs in = defaultDesign();
    in.primaryWireLengthInches = 221.846;
    return in;
}

// Line lengths of each model as listed beside its templates, line 1 first,
// with every placeholder counted as written ("%7.4f" is 5 characters).
constexpr int kStandardRlcLengths[] = {
    29, 14, 11, 14, 21, 17, 6, 9, 16, 30,  // lines 1-10
    9, 20, 26, 9, 22, 26, 9, 40, 29, 9,    // lines 11-20
    34, 28, 9, 37, 31, 9, 21, 31, 9, 20,   // lines 21-30
    36, 31, 4, 8, 22, 31, 31, 35, 35, 36,  // lines 31-40
    36, 11, 14, 4,                         // lines 41-44
};
constexpr int kLadderLengths[] = {
    29, 26, 11, 14, 21, 17, 6, 9, 16, 30,   // lines 1-10
    9, 34, 28, 9, 20, 26, 9, 21, 31, 9,     // lines 11-20
    22, 44, 26, 28, 28, 28, 30, 30, 30, 9,  // lines 21-30
    40, 40, 29, 29, 29, 30, 31, 31, 9, 38,  // lines 31-40
    28, 9, 31, 45, 9, 31, 31, 31, 32, 32,   // lines 41-50
    32, 9, 39, 35, 9, 20, 36, 31, 4, 8,     // lines 51-60
    22, 31, 31, 35, 35, 35, 35, 36, 37, 37, // lines 61-70
    34, 36, 36, 36, 36, 37, 37, 37, 40, 11, // lines 71-80
    14, 4,                                  // lines 81-82
};
constexpr int kComplexLengths[] = {
    29, 15, 11, 14, 21, 17, 6, 9, 35, 29,   // lines 1-10
    27, 9, 30, 35, 9, 32, 29, 30, 9, 41,    // lines 11-20
    25, 9, 42, 26, 9, 35, 27, 9, 35, 26,    // lines 21-30
    9, 41, 28, 9, 17, 32, 22, 19, 49, 4,    // lines 31-40
    21, 29, 9, 34, 28, 9, 21, 33, 9, 31,    // lines 41-50
    30, 9, 33, 29, 9, 40, 30, 9, 31, 32,    // lines 51-60
    9, 21, 32, 9, 19, 25, 9, 38, 31, 4,     // lines 61-70
    17, 27, 4, 8, 21, 32, 31, 21, 32, 31,   // lines 71-80
    30, 32, 32, 32, 30, 40, 30, 30, 34, 31, // lines 81-90
    33, 32, 32, 31, 31, 31, 30, 11, 4,      // lines 91-99
};

struct ModelLayout {
    int model;
    const int* lengths;
    std::size_t lineCount;
    std::set<std::size_t> oneValueLines;
    std::set<std::size_t> twoValueLines;
};

std::vector<ModelLayout> layouts() {
    return {
        {1, kStandardRlcLengths, std::size(kStandardRlcLengths), {13, 16, 19, 22, 25, 28, 32}, {}},
        {2, kLadderLengths, std::size(kLadderLengths),
         {13, 16, 19, 23, 24, 25, 26, 27, 28, 29, 33, 34, 35, 36, 37, 38, 41, 46, 47, 48, 49, 50, 51, 54, 58},
         {}},
        {3, kComplexLengths, std::size(kComplexLengths), {10, 42, 45, 51, 54, 57, 60, 63}, {11}},
    };
}

TEST(NetlistLines, EveryModelHasItsLineCountAndCommonHeader) {
    const NetlistInputs in = defaultDesign();
    const std::vector<std::string> modelNames = {"*Simple Model*", "*Distributed Ladder Model*", "*Complex Model*"};
    const std::vector<std::size_t> counts = {44, 82, 99};
    for (int model = 1; model <= 3; ++model) {
        SCOPED_TRACE(model);
        const auto lines = netlistLines(model, in);
        ASSERT_EQ(lines.size(), counts.at(static_cast<std::size_t>(model - 1)));
        EXPECT_EQ(lineAt(lines, 1), "*PSpice Output From Quorvane*");
        EXPECT_EQ(lineAt(lines, 2), modelNames.at(static_cast<std::size_t>(model - 1)));
        EXPECT_EQ(lineAt(lines, 3), "*Libraries:");
        EXPECT_EQ(lineAt(lines, 4), ".lib \"nom.lib\"");
        EXPECT_EQ(lineAt(lines, 5), "*Analysis directives:");
        EXPECT_EQ(lineAt(lines, 6), ".TRAN  0.1ms 10ms");
        EXPECT_EQ(lineAt(lines, 7), ".PROBE");
        EXPECT_EQ(lineAt(lines, 8), std::string(9, ' '));
        EXPECT_EQ(lines.back(), ".END");
    }
}

TEST(NetlistLines, EveryLineHasTheListedLength) {
    // Every default value fits its 7 characters, so a filled line is its
    // template's length plus 2 per placeholder ("%7.4f" -> 7 characters).
    const NetlistInputs in = defaultDesign();
    for (const ModelLayout& layout : layouts()) {
        const auto lines = netlistLines(layout.model, in);
        ASSERT_EQ(lines.size(), layout.lineCount);
        for (std::size_t number = 1; number <= lines.size(); ++number) {
            std::size_t expected = static_cast<std::size_t>(layout.lengths[number - 1]);
            if (layout.oneValueLines.count(number) != 0) expected += 2;
            if (layout.twoValueLines.count(number) != 0) expected += 4;
            EXPECT_EQ(lineAt(lines, number).size(), expected)
                << "model " << layout.model << " line " << number << ": \"" << lineAt(lines, number) << "\"";
        }
    }
}

TEST(ConductorResistances, TubingAndWireFromTheirGeometry) {
    // Rp: outer area 0.115^2 x 3.1415 = 0.0415463375, bore 0.0759^2 x 3.1415 = 0.0180975846,
    // so 6.6927e-07 x 221.846 / 0.0234487529 = 0.00633189 ohm.
    // Rs: pitch 1 / 37.4753 = 0.0266842 in, area 0.0133421^2 x 3.1415 = 5.592240e-04 sq in,
    // so 6.6927e-07 x 1817.554 x 21.6456 / 5.592240e-04 = 47.08391 ohm.
    const qv::ConductorResistances r = qv::conductorResistances(flatSpiralDesign());
    EXPECT_NEAR(r.primaryOhms, 0.0063319, 5e-8);
    EXPECT_NEAR(r.secondaryOhms, 47.0839, 5e-5);

    // Physical limits: resistance grows with length and falls with cross-section.
    NetlistInputs longer = flatSpiralDesign();
    longer.primaryWireLengthInches *= 2.0;
    longer.secondaryTurns *= 2.0;
    const qv::ConductorResistances doubled = qv::conductorResistances(longer);
    EXPECT_NEAR(doubled.primaryOhms, 2.0 * r.primaryOhms, 1e-12);
    EXPECT_NEAR(doubled.secondaryOhms, 2.0 * r.secondaryOhms, 1e-9);
    NetlistInputs thicker = flatSpiralDesign();
    thicker.primaryTubeDiameterInches *= 2.0;  // four times the copper area
    thicker.turnsPerInch /= 2.0;               // wire twice as thick
    const qv::ConductorResistances quartered = qv::conductorResistances(thicker);
    EXPECT_NEAR(quartered.primaryOhms, r.primaryOhms / 4.0, 1e-12);
    EXPECT_NEAR(quartered.secondaryOhms, r.secondaryOhms / 4.0, 1e-9);
}

TEST(NetlistLines, ResistancesAppearInEveryModel) {
    const NetlistInputs in = flatSpiralDesign();
    const auto standard = netlistLines(1, in);
    const auto ladder = netlistLines(2, in);
    const auto complex = netlistLines(3, in);
    EXPECT_EQ(lineAt(standard, 22), "R_R1           N01 N02  0.0063");
    EXPECT_EQ(lineAt(ladder, 13), "R_R1           N01 N02  0.0063");
    EXPECT_EQ(lineAt(complex, 45), "R_R4         N07  N08   0.0063");

    EXPECT_EQ(lineAt(standard, 19), "R_R2           N03 N04  47.0839");
    EXPECT_EQ(lineAt(complex, 57), "R_R5         N09  N010   47.0839");
    // Six equal ladder resistors: 47.08391 / 6 = 7.847318 ohm.
    for (std::size_t number = 33; number <= 38; ++number) {
        EXPECT_TRUE(endsWith(lineAt(ladder, number), " 7.8473")) << lineAt(ladder, number);
    }
    EXPECT_EQ(lineAt(ladder, 36), "R_R5           N09 N010   7.8473");
}

TEST(NetlistLines, LadderSplitsAddUpToTheWhole) {
    NetlistInputs in = defaultDesign();
    in.secondaryInductanceMh = 128.0;  // 64 + 1, 32, 16, 8, 4, 2, 1 mH: 128 in all
    in.selfCapacitancePf = 64.0;       // 1, 2, 4, 8, 16, 32 + 1 pF: 64 in all
    const auto ladder = netlistLines(2, in);
    const std::vector<std::string> inductors = {
        "L2_TX1       N03 0 65.0000mh",     "L3           N04 N05 32.0000mh",
        "L4           N06 N07 16.0000mh",   "L5           N08 N09  8.0000mh",
        "L6           N010 N011  4.0000mh", "L7           N012 N013  2.0000mh",
        "L8           N014 N015  1.0000mh",
    };
    for (std::size_t i = 0; i < inductors.size(); ++i) EXPECT_EQ(lineAt(ladder, 23 + i), inductors[i]);
    const std::vector<std::string> capacitors = {
        "C_C2           0   N04   1.0000pf",  "C_C3           0   N06   2.0000pf",
        "C_C4           0   N08   4.0000pf",  "C_C5           0   N010   8.0000pf",
        "C_C6           0   N012  16.0000pf", "C_C7           0   N014  33.0000pf",
    };
    for (std::size_t i = 0; i < capacitors.size(); ++i) EXPECT_EQ(lineAt(ladder, 46 + i), capacitors[i]);
    // The top load sits whole above the ladder.
    EXPECT_EQ(lineAt(ladder, 54), "C_C8           N016   N015  23.3465pf");
}

TEST(NetlistLines, AirResistanceIsFixed) {
    NetlistInputs odd;  // all zero: even infinite resistances leave it alone
    for (const NetlistInputs& in : {defaultDesign(), odd}) {
        EXPECT_EQ(lineAt(netlistLines(2, in), 41), "R_R8           N016 0   100000");
    }
    // A zero tube diameter and pitch divide by zero; the line shows the
    // not-a-number text instead of stopping the program.
    EXPECT_EQ(lineAt(netlistLines(1, odd), 22), "R_R1           N01 N02    ----");
}

TEST(NetlistLines, TopLoadFlagOnlyChangesTheLumpedSecondary) {
    NetlistInputs with = defaultDesign();
    NetlistInputs without = with;
    without.topLoadFlag = false;
    EXPECT_EQ(lineAt(netlistLines(1, with), 25), "C_C2           0   N04  41.3223pf");
    EXPECT_EQ(lineAt(netlistLines(1, without), 25), "C_C2           0   N04  17.9758pf");
    EXPECT_EQ(netlistLines(2, with), netlistLines(2, without));
    EXPECT_EQ(netlistLines(3, with), netlistLines(3, without));
    const auto complex = netlistLines(3, without);
    EXPECT_EQ(lineAt(complex, 60), "C_C4           0   N010  17.9758pf");
    EXPECT_EQ(lineAt(complex, 63), "C_C5           0   N010  23.3465pf");
}

TEST(NetlistLines, SupplyVoltagesAndFrequency) {
    const NetlistInputs in = defaultDesign();
    EXPECT_EQ(lineAt(netlistLines(1, in), 32), ".IC               V(N01 )=   4000");
    EXPECT_EQ(lineAt(netlistLines(2, in), 58), ".IC               V(N01 )=   4000");
    const auto complex = netlistLines(3, in);
    EXPECT_EQ(lineAt(complex, 10), "V_V1         N01  0  AC     250");
    EXPECT_EQ(lineAt(complex, 11), "+SIN 0      250       60  0 0 0");
}

TEST(NetlistLines, WideValuesWidenTheLine) {
    NetlistInputs in = defaultDesign();
    in.primaryInductanceMh = 12345.6789;
    in.outputVolts = 12345678.0;
    EXPECT_EQ(lineAt(netlistLines(1, in), 13), "L1_TX1       N02 0 12345.6789mh");
    EXPECT_EQ(lineAt(netlistLines(2, in), 16), "L1_TX1       N02 0 12345.6789mh");
    EXPECT_EQ(lineAt(netlistLines(3, in), 51), "L1_TX2         N08  0  12345.6789mh");
    EXPECT_EQ(lineAt(netlistLines(1, in), 32), ".IC               V(N01 )=12345678");
}

TEST(NetlistLines, ValuesRoundHalfAwayFromZero) {
    // 4000.5 and 2.5 are exact in binary; a round-half-even printf would give 4000 and 2.
    NetlistInputs in = defaultDesign();
    in.outputVolts = 4000.5;
    in.inputVolts = 2.5;
    in.lineFrequencyHz = -2.5;
    EXPECT_EQ(lineAt(netlistLines(1, in), 32), ".IC               V(N01 )=   4001");
    EXPECT_EQ(lineAt(netlistLines(3, in), 11), "+SIN 0        3       -3  0 0 0");
    // Too small for four decimals, and the carry through a run of nines.
    in.primaryInductanceMh = 0.00004;
    in.secondaryInductanceMh = 9.99995;  // 9.99995000000000012 at 18 digits
    const auto standard = netlistLines(1, in);
    EXPECT_EQ(lineAt(standard, 13), "L1_TX1       N02 0  0.0000mh");
    EXPECT_EQ(lineAt(standard, 16), "L2_TX1       N03 0 10.0000mh");
}

TEST(NetlistLines, UnknownModelNumberIsRejected) {
    const NetlistInputs in = defaultDesign();
    EXPECT_THROW(netlistLines(0, in), std::invalid_argument);
    EXPECT_THROW(netlistLines(4, in), std::invalid_argument);
    EXPECT_EQ(netlistLines(qv::NetlistModel::Complex, in), netlistLines(3, in));
}

}  // namespace
