#include "sim/resonance.h"

#include <gtest/gtest.h>

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
    EXPECT_NEAR(highestResonanceHz(deck), lcHz(73.834e-3, 41.3258e-12) / std::sqrt(0.9), 1.0);
}

TEST(Resonance, GroundDoesNotJoinCircuitsAndParallelCapacitorsAdd)
{
    EXPECT_EQ(highestResonanceHz({"t", "L1 a 0 1m", "C1 b 0 1n", "R1 b 0 1k"}), 0.0);
    // Two 1 nF across the same nodes act as 2 nF.
    EXPECT_NEAR(highestResonanceHz({"t", "L1 a 0 1m", "C1 a 0 1n", "C2 0 a 1n"}), lcHz(1e-3, 2e-9), 1e-6);
}

TEST(Resonance, TheSmallestReactancesThroughResistorsSetTheEstimate)
{
    // An arc capacitance behind a resistor still rings with the coil it hangs on.
    const std::vector<std::string> deck{"t", "L2 n9 0 73.8mh", "R5 n9 n10 47", "C4 0 n10 41pf",
                                        "R7 n10 n11 220000", "C6 0 n11 5pf"};
    EXPECT_NEAR(highestResonanceHz(deck), lcHz(73.8e-3, 5e-12), 1.0);
}

} // namespace
} // namespace qv::deck
