#include "sim/ngspice_deck.h"

#include "coil_decks.h"
#include "sim/deck_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace qv {
namespace {

std::vector<std::string> deckLines(const DeckTranslation& translation)
{
    return deck::splitLines(translation.deck->text);
}

bool hasLineStartingWith(const std::vector<std::string>& lines, std::string_view prefix)
{
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return deck::startsWithNoCase(line, prefix); });
}

TEST(NgspiceDeck, DefaultRlcNetlistLosesThePSpiceOnlyLinesAndEndsOnce)
{
    const auto translation = translateDeck(test::defaultModel1File());
    ASSERT_TRUE(translation.deck) << translation.errorMessage;
    const auto lines = deckLines(translation);
    EXPECT_EQ(lines.front(), "*PSpice Output From Quorvane*");
    for (const char* gone : {".ALIASES", ".ENDALIASES", ".lib", ".PROBE", "L1_TX1          TX1", "C_C1               C1("})
        EXPECT_FALSE(hasLineStartingWith(lines, gone)) << gone;
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return deck::toLower(l) == ".end"; }), 1);
    EXPECT_EQ(lines.back(), ".end");
    EXPECT_TRUE(hasLineStartingWith(lines, "K_TX1         L1_TX1 L2_TX1 .1"));
    EXPECT_TRUE(hasLineStartingWith(lines, ".IC               V(N01)=4000"));
}

TEST(NgspiceDeck, DefaultRlcNetlistStepsFinelyEnoughForItsModesFromItsCharge)
{
    const auto translation = translateDeck(test::defaultModel1File());
    ASSERT_TRUE(translation.deck);
    const NgspiceDeck& deck = *translation.deck;
    EXPECT_EQ(deck.model, CoilModel::standardRlc);
    EXPECT_EQ(deck.topNode, "N04");
    EXPECT_EQ(deck.tankNodes.positiveNode, "N01");
    EXPECT_EQ(deck.tankNodes.negativeNode, "0");
    // Upper mode 91.11 kHz / sqrt(0.9) = 96.04 kHz; a 40th of its period is 0.2603 us.
    EXPECT_NEAR(deck.upperModeHz, 96.04e3, 20.0);
    EXPECT_NEAR(deck.maxStepSeconds, 0.26029e-6, 0.0001e-6);
    EXPECT_EQ(deck.ladderModesAboveHz, 0.0);
    EXPECT_DOUBLE_EQ(deck.stopSeconds, 10e-3);
    const auto lines = deckLines(translation);
    EXPECT_TRUE(hasLineStartingWith(lines, ".tran 0.1ms 10ms 0 2.60"));
    // No progress lines, and the trapezoidal rule: no method option.
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with(".options"); }), 1);
    EXPECT_TRUE(hasLineStartingWith(lines, kQuietProgress));
    EXPECT_NE(std::find(lines.begin(), lines.end(), ".save v(N04) v(N01)"), lines.end());
    const auto tran = std::find_if(lines.begin(), lines.end(), [](const std::string& l) { return l.starts_with(".tran"); });
    EXPECT_TRUE(tran->ends_with(" uic"));
}

// The parts of the Complex Model that the other two lack: a continued source,
// the Sbreak switch, no .IC, and a tank capacitor between two live nodes.
const char* const kComplexFragment =
    "*PSpice Output From Quorvane*\r\n*Complex Model*\r\n.TRAN  0.1ms 10ms\r\n"
    "V_V1         N01  0  AC     250\r\n+SIN 0      250       60  0 0 0\r\n"
    "R_R1 N01 N05 0.5\r\n"
    "S_S1         0  N05 N06 0 Sbreak\r\nV_V2         N06  0\r\n+PULSE 0 1 8.3333ms 0.1ms 0.1ms 4.1667ms 8.3333ms\r\n"
    "C_C3         N05 N07   0.1796uf\r\nR_R4 N07 N08 0.0062\r\nL1_TX2 N08 0 0.0170mh\r\n"
    "L2_TX2 N09 0 73.8340mh\r\nK_TX2 L1_TX2 L2_TX2 0.1\r\nR_R5 N09 N010 47\r\nC_C4 0 N010 17.9758pf\r\n"
    "C_C5 0 N010 23.35pf\r\n.END\r\nR_after N010 0 1\r\n";

TEST(NgspiceDeck, ComplexModelGetsItsSwitchContinuationsAndTankAcrossTwoNodes)
{
    const auto translation = translateDeck(kComplexFragment);
    ASSERT_TRUE(translation.deck) << translation.errorMessage;
    const auto lines = deckLines(translation);
    EXPECT_TRUE(hasLineStartingWith(lines, "V_V1         N01  0  AC     250 SIN 0      250       60  0 0 0"));
    EXPECT_TRUE(hasLineStartingWith(lines, "V_V2         N06  0 PULSE 0 1 8.3333ms"));
    EXPECT_FALSE(hasLineStartingWith(lines, "+"));
    EXPECT_FALSE(hasLineStartingWith(lines, "S_S1"));
    EXPECT_TRUE(hasLineStartingWith(lines, "BS_S1 0 N05 I=-V(N05)*exp("));
    EXPECT_FALSE(hasLineStartingWith(lines, "R_after")) << "lines after .END are not part of the circuit";
    EXPECT_EQ(translation.deck->topNode, "N010");
    EXPECT_EQ(translation.deck->tankNodes.positiveNode, "N05");
    EXPECT_EQ(translation.deck->tankNodes.negativeNode, "N07");
    EXPECT_FALSE(translation.deck->usesInitialConditions);
    EXPECT_NE(std::find(lines.begin(), lines.end(), ".save v(N010) v(N05) v(N07)"), lines.end());
    EXPECT_FALSE(translation.deck->text.find(" uic") != std::string::npos);
    // Fired through the gap, read for its peak: 25 steps per period of the upper mode,
    // the tank's 91.05 kHz over sqrt(0.9).
    EXPECT_NEAR(translation.deck->maxStepSeconds, 1.0 / (25.0 * 95.98e3), 0.001e-6);
}

TEST(NgspiceDeck, SkippedBiasPointStartsFromTheCapacitorsChargeAndALadderHoldsItsStep)
{
    const auto translation = translateDeck(test::asSavedFile(test::skipbpModel1Lines()));
    ASSERT_TRUE(translation.deck) << translation.errorMessage;
    EXPECT_TRUE(translation.deck->usesInitialConditions);
    const auto deckText = deckLines(translation);
    const auto tran = std::find_if(deckText.begin(), deckText.end(), [](const std::string& l) { return l.starts_with(".tran"); });
    ASSERT_NE(tran, deckText.end());
    EXPECT_TRUE(tran->ends_with(" uic")) << *tran;
    EXPECT_EQ(tran->find("SKIPBP"), std::string::npos) << "ngspice does not know SKIPBP";

    const auto ladder = translateDeck("*x*\n*Distributed Ladder Model*\n.TRAN 0.1ms 10ms\nK1 L1 L2 .1\n"
                                      "L1 N02 0 1m\nC_C1 0 N02 1n\nL2 N03 0 1m\nL3 N03 N015 1m\nC8 0 N015 1p\n"
                                      ".IC V(N02)=1\n");
    ASSERT_TRUE(ladder.deck) << ladder.errorMessage;
    EXPECT_NEAR(ladder.deck->maxStepSeconds, 1.0 / (kStepsPerModePeriod * ladder.deck->upperModeHz), 1e-15);
    EXPECT_DOUBLE_EQ(ladder.deck->ladderModesAboveHz, kLadderCutoffPerUpperMode * ladder.deck->upperModeHz);
    EXPECT_TRUE(hasLineStartingWith(deckLines(ladder), kHeldStep));
}

TEST(NgspiceDeck, SbreakBecomesOneSmoothStepOfItsControlVoltage)
{
    const std::string line = sbreakSwitchStatement({"S_S1", "0", "N05", "N06", "0", "Sbreak"});
    // Conductance exp(-ln Roff + ln(Roff / Ron) s): 1 uS open, 1 S closed; s the smooth
    // step of the control voltage over [Voff, Von] = [0, 1], so u is that voltage clipped.
    const std::string u = "u2(V(N06))";
    EXPECT_EQ(line, "BS_S1 0 N05 I=-V(N05)*exp(-13.81551056+13.81551056*" + u + "*" + u + "*(3-2*" + u + "))");
    // Neither side grounded: the voltage across both.
    EXPECT_TRUE(sbreakSwitchStatement({"S_X", "N1", "N2", "C1", "C2", "Sbreak"}).starts_with("BS_X N1 N2 I=V(N1,N2)*exp("));
    EXPECT_NE(sbreakSwitchStatement({"S_X", "N1", "N2", "C1", "C2", "Sbreak"}).find("u2(V(C1,C2))"), std::string::npos);
}

TEST(NgspiceDeck, NetlistsThatCannotRunSayWhy)
{
    struct Case {
        std::string text;
        std::string wordsInMessage;
    };
    const Case cases[] = {
        {"", "empty"},
        {"*x*\n.TRAN 1ms 10ms\nL1 N04 0 1m\n", "model"},
        {"*x*\n*Simple Model*\nL1 N04 0 1m\nC_C1 N04 0 1n\n", "no .TRAN"},
        {"*x*\n*Simple Model*\n.TRAN 1ms\nC_C1 N04 0 1n\n", "stop time"},
        {"*x*\n*Simple Model*\n.TRAN 1ms 2ms\n.TRAN 1ms 3ms\nC_C1 N04 0 1n\n", "more than one"},
        {"*x*\n*Simple Model*\n.TRAN 1ms 2ms\nC_C1 N01 0 1n\n", "N04"},
        {"*x*\n*Simple Model*\n.TRAN 1ms 2ms\nC_C2 N04 0 1n\n", "C_C1"},
        {"*x*\n*Complex Model*\n.TRAN 1ms 2ms\nC_C3 N010 0 1n\nS_S1 0 N05 N06 0 Smine\n", "Sbreak"},
    };
    for (const auto& c : cases) {
        const auto translation = translateDeck(c.text);
        EXPECT_FALSE(translation.deck) << c.text;
        EXPECT_NE(translation.errorMessage.find(c.wordsInMessage), std::string::npos)
            << c.text << " -> " << translation.errorMessage;
    }
}

} // namespace
} // namespace qv
