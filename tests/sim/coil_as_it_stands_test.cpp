// The coil as it stands put into the deck given to ngspice: the field's figures reach the coil's
// parts, the ladder keeps its split, and nothing else of the netlist changes.
#include "sim/coil_as_it_stands.h"

#include "netlist/netlist_models.h"
#include "sim/deck_lines.h"
#include "sim/ngspice_deck.h"

#include <gtest/gtest.h>

#include <map>

namespace qv {
namespace {

// A design of the sheets' kind: values far enough from the field's figures that a part left
// unset shows.
NetlistInputs sheetValues()
{
    NetlistInputs in;
    in.primaryInductanceMh = 0.017;
    in.requiredCapacitanceUf = 0.18;
    in.secondaryInductanceMh = 73.834;
    in.selfCapacitancePf = 17.9;
    in.topLoadPf = 23.35;
    in.totalCapacitancePf = 41.25;
    in.outputVolts = 4000;
    in.inputVolts = 120;
    in.lineFrequencyHz = 60;
    in.primaryTubeDiameterInches = 0.25;
    in.primaryWireLengthInches = 400;
    in.secondaryTurns = 1800;
    in.secondaryCircumferenceInches = 21.6;
    in.turnsPerInch = 37.5;
    in.topLoadFlag = true;
    return in;
}

constexpr CoilAsItStands kField{0.142, 31.2, 28.6, 9.8, 14.1};

std::string savedNetlist(NetlistModel model)
{
    std::string text;
    for (const std::string& line : netlistLines(model, sheetValues())) text += line + "\r\n";
    return text;
}

// Each element's value word (the fourth), by its name; the .ALIASES block comes after the elements.
std::map<std::string, double> partValues(const std::string& text)
{
    std::map<std::string, double> values;
    for (const std::string& line : deck::splitLines(text)) {
        const auto words = deck::tokens(line);
        if (words.size() >= 4) values.emplace(words[0], deck::parseValue(words[3]).value_or(-1.0));
    }
    return values;
}

double sumOf(const std::map<std::string, double>& values, std::initializer_list<const char*> names)
{
    double sum = 0.0;
    for (const char* name : names) sum += values.at(name);
    return sum;
}

struct ModelCase {
    NetlistModel model;
    const char* coupling;
    const char* primary;
    std::initializer_list<const char*> secondary;
    std::initializer_list<const char*> selfCapacitors; // with the top load where the model lumps it
    const char* topLoad;                               // nullptr where the model has one capacitance
};

const ModelCase kCases[] = {
    {NetlistModel::StandardRlc, "K_TX1", "L1_TX1", {"L2_TX1"}, {"C_C2"}, nullptr},
    {NetlistModel::DistributedLadder, "K_TX1", "L1_TX1", {"L2_TX1", "L3", "L4", "L5", "L6", "L7", "L8"},
     {"C_C2", "C_C3", "C_C4", "C_C5", "C_C6", "C_C7"}, "C_C8"},
    {NetlistModel::Complex, "K_TX2", "L1_TX2", {"L2_TX2"}, {"C_C4"}, "C_C5"},
};

TEST(CoilAsItStands, EachModelTakesTheFieldsFiguresInItsCoilPartsOnly)
{
    for (const ModelCase& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.model));
        const std::string saved = savedNetlist(c.model);
        const AsItStandsNetlist asItStands = withCoilAsItStands(saved, kField);
        ASSERT_TRUE(asItStands.text) << asItStands.errorMessage;
        const auto before = partValues(saved);
        const auto after = partValues(*asItStands.text);

        EXPECT_DOUBLE_EQ(after.at(c.coupling), 0.142);
        EXPECT_NEAR(after.at(c.primary), 31.2e-6, 1e-12);
        EXPECT_NEAR(sumOf(after, c.secondary), 28.6e-3, 1e-9);
        const double capacitorsPf = c.topLoad ? 9.8 : 9.8 + 14.1;
        EXPECT_NEAR(sumOf(after, c.selfCapacitors), capacitorsPf * 1e-12, 1e-17);
        if (c.topLoad) {
            EXPECT_NEAR(after.at(c.topLoad), 14.1e-12, 1e-17);
        }

        // Every other part keeps its value, and the deck still translates for ngspice.
        std::size_t changed = 0;
        for (const auto& [name, value] : before) changed += after.at(name) != value;
        EXPECT_EQ(changed, 2 + c.secondary.size() + c.selfCapacitors.size() + (c.topLoad ? 1 : 0));
        EXPECT_EQ(deck::splitLines(*asItStands.text).size(), deck::splitLines(saved).size());
        EXPECT_TRUE(translateDeck(*asItStands.text).deck);
    }
}

TEST(CoilAsItStands, LadderSectionsKeepTheirSplitAndTheSupplyTransformerIsLeftAlone)
{
    const auto ladder = partValues(*withCoilAsItStands(savedNetlist(NetlistModel::DistributedLadder), kField).text);
    // Ls / 2 + Ls / 128 at the bottom, then Ls / 4 to Ls / 128: each section half the one below,
    // as near as the four decimals the netlist writes them with allow.
    EXPECT_NEAR(ladder.at("L3") / ladder.at("L4"), 2.0, 1e-3);
    EXPECT_NEAR(ladder.at("L7") / ladder.at("L8"), 2.0, 1e-3);
    EXPECT_NEAR(ladder.at("C_C3") / ladder.at("C_C2"), 2.0, 1e-3);

    // Model 3's TX1 is the supply transformer: its coupling and windings stay.
    const std::string complex = *withCoilAsItStands(savedNetlist(NetlistModel::Complex), kField).text;
    EXPECT_NE(complex.find("K_TX1         L1_TX1  L2_TX1 0.9955\n"), std::string::npos);
    EXPECT_NE(complex.find("L1_TX1         N03  0  3.183h\n"), std::string::npos);
    EXPECT_NE(complex.find("K_TX2 L1_TX2 L2_TX2 0.142\n"), std::string::npos);
}

TEST(CoilAsItStands, NetlistsWithoutTheCoilsPartsSayWhy)
{
    const std::string rlc = savedNetlist(NetlistModel::StandardRlc);
    std::string noModel = rlc;
    noModel.replace(noModel.find("*Simple Model*"), 14, "*My Model*");
    EXPECT_NE(withCoilAsItStands(noModel, kField).errorMessage.find("names none of the three coil models"),
              std::string::npos);

    std::string noSecondary = rlc;
    noSecondary.replace(noSecondary.find("L2_TX1       N03"), 6, "LX");
    const AsItStandsNetlist missing = withCoilAsItStands(noSecondary, kField);
    EXPECT_FALSE(missing.text);
    EXPECT_NE(missing.errorMessage.find("no complete L2_TX1 line"), std::string::npos);
    EXPECT_NE(missing.errorMessage.find("Uncheck \"Simulate the coil as it stands\""), std::string::npos);

    NetlistInputs noSelfCapacitance = sheetValues();
    noSelfCapacitance.selfCapacitancePf = 0;
    std::string ladder;
    for (const std::string& line : netlistLines(NetlistModel::DistributedLadder, noSelfCapacitance)) ladder += line + "\n";
    EXPECT_NE(withCoilAsItStands(ladder, kField).errorMessage.find("C_C2 sections have no values"), std::string::npos);
}

field::Analysis solvedField()
{
    field::Analysis a;
    a.coupling = {0.142, {}};
    a.primaryInductanceUh = {31.2, {}};
    a.secondaryInductanceMh = {28.6, {}};
    a.selfCapacitancePf = {9.8, {}};
    a.topLoadInPlacePf = {14.1, {}};
    return a;
}

TEST(CoilAsItStands, FiguresComeOnlyFromASolutionThatHasThem)
{
    const AsItStandsFigures good = coilAsItStands(solvedField());
    ASSERT_TRUE(good.figures);
    EXPECT_EQ(asItStandsSummary(*good.figures),
              "Coil as it stands: k 0.142, Lp 31.2 uH, Ls 28.6 mH, Cself 9.8 pF, Ctop 14.1 pF");

    field::Analysis bare = solvedField();
    bare.topLoadInPlacePf = {0.0, {}}; // no top load on the coil
    EXPECT_TRUE(coilAsItStands(bare).figures);

    field::Analysis failed = solvedField();
    failed.status = "The secondary has no turns";
    EXPECT_NE(coilAsItStands(failed).errorMessage.find("has no value (The secondary has no turns)"), std::string::npos);

    field::Analysis noCoupling = solvedField();
    noCoupling.coupling = {std::nullopt, "The primary overlaps the secondary"};
    const AsItStandsFigures missing = coilAsItStands(noCoupling);
    EXPECT_FALSE(missing.figures);
    EXPECT_NE(missing.errorMessage.find("no coupling k (The primary overlaps the secondary)"), std::string::npos);

    for (const double k : {0.0, 1.0, -0.1}) {
        field::Analysis unphysical = solvedField();
        unphysical.coupling = {k, {}};
        EXPECT_FALSE(coilAsItStands(unphysical).figures) << k;
    }
    field::Analysis noInductance = solvedField();
    noInductance.secondaryInductanceMh = {0.0, {}};
    EXPECT_FALSE(coilAsItStands(noInductance).figures);
}

} // namespace
} // namespace qv
