#include "sim/resonance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv::deck {
namespace {

double lcHz(double henries, double farads)
{
    return 1.0 / (2.0 * std::numbers::pi * std::sqrt(henries * farads));
}

TEST(Resonance, CoupledTankRaisedToTheUpperModeOfItsCoupling)
{
    // Secondary 73.834 mH with 41.3258 pF is the higher of the two circuits
    // (91.11 kHz against the primary's 91.05 kHz); k = 0.1 lifts it by 1/sqrt(0.9).
    const std::vector<std::string> deck{"title", "K_TX1 L1_TX1 L2_TX1 .1", "L1_TX1 N02 0 0.0170mh",
                                        "L2_TX1 N03 0 73.8340mh", "R_R2 N03 N04 47.0839",
                                        "R_R1 N01 N02 0.0062", "C_C2 0 N04 41.3258pf", "C_C1 0 N01 0.1796uf"};
    EXPECT_NEAR(upperCoupledModeHz(deck), lcHz(73.834e-3, 41.3258e-12) / std::sqrt(0.9), 1.0);
}

TEST(Resonance, GroundDoesNotJoinCircuitsAndParallelCapacitorsAdd)
{
    EXPECT_EQ(upperCoupledModeHz({"t", "L1 a 0 1m", "C1 b 0 1n", "R1 b 0 1k"}), 0.0);
    // Two 1 nF across the same nodes act as 2 nF.
    EXPECT_NEAR(upperCoupledModeHz({"t", "L1 a 0 1m", "C1 a 0 1n", "C2 0 a 1n"}), lcHz(1e-3, 2e-9), 1e-6);
}

TEST(Resonance, ALadderSecondaryRingsAtItsWholeInductanceAndCapacitance)
{
    // The calculator's seven-section ladder of the default coil: the sections' own
    // L8-C7 pair would say 2.2 MHz, but the secondary rings as Ls with Cs and the top load.
    const std::vector<std::string> ladder{
        "t", "K_TX1 L1_TX1 L2_TX1 .1", "R_R1 N01 N02 0.0062", "L1_TX1 N02 0 0.0170mh", "C_C1 0 N01 0.1796uf",
        "L2_TX1 N03 0 37.4937mh", "L3 N04 N05 18.4584mh", "L4 N06 N07 9.2292mh", "L5 N08 N09 4.6146mh",
        "L6 N010 N011 2.3073mh", "L7 N012 N013 1.1537mh", "L8 N014 N015 0.5768mh", "R_R2 N03 N04 7.8473",
        "R_R3 N05 N06 7.8473", "R_R4 N07 N08 7.8473", "R_R5 N09 N010 7.8473", "R_R6 N011 N012 7.8473",
        "R_R7 N013 N014 7.8473", "R_R8 N016 0 100000", "C_C2 0 N04 0.2809pf", "C_C3 0 N06 0.5617pf",
        "C_C4 0 N08 1.1235pf", "C_C5 0 N010 2.2470pf", "C_C6 0 N012 4.4940pf", "C_C7 0 N014 9.2688pf",
        "C_C8 N016 N015 23.3465pf"};
    const double henries = (37.4937 + 18.4584 + 9.2292 + 4.6146 + 2.3073 + 1.1537 + 0.5768) * 1e-3;
    const double farads = (0.2809 + 0.5617 + 1.1235 + 2.2470 + 4.4940 + 9.2688 + 23.3465) * 1e-12;
    // Whichever of the two circuits is tuned higher sets the pair (here both near 91.1 kHz).
    const double pairHz = std::max(lcHz(henries, farads), lcHz(0.0170e-3, 0.1796e-6));
    EXPECT_NEAR(upperCoupledModeHz(ladder), pairHz / std::sqrt(0.9), 1.0);
    EXPECT_TRUE(hasLadderNetwork(ladder));
    EXPECT_FALSE(hasLadderNetwork({"t", "L1 a 0 1m", "C1 a 0 1n", "L2 b 0 1m", "C2 b 0 1n"}));
}

TEST(Resonance, AStrayBehindALargeResistanceOnlyAddsToItsNetwork)
{
    // The complex model's arc, 5 pF behind 220 kOhm, hangs on the secondary's top.
    const std::vector<std::string> deck{"t", "L2 n9 0 73.8mh", "R5 n9 n10 47", "C4 0 n10 41pf",
                                        "R7 n10 n11 220000", "C6 0 n11 5pf"};
    EXPECT_NEAR(upperCoupledModeHz(deck), lcHz(73.8e-3, 46e-12), 1.0);
}

} // namespace
} // namespace qv::deck
