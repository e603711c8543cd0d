#include "sim/simulation_result.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace qv {
namespace {

NgspiceDeck modelOneDeck()
{
    NgspiceDeck deck;
    deck.topNode = "N04";
    deck.tankNodes = {"N01", "0"};
    deck.usesInitialConditions = true;
    return deck;
}

// A transient plot as ngspice writes it, the top and tank voltages sampled at the given times.
RawFileRead transient(const std::vector<double>& seconds, double (*topVolts)(double))
{
    RawPlot plot;
    plot.plotName = "Transient Analysis";
    plot.variableNames = {"time", "v(n04)", "v(n01)"};
    plot.columns.assign(3, {});
    for (const double t : seconds) {
        plot.columns[0].push_back(t);
        plot.columns[1].push_back(topVolts(t));
        plot.columns[2].push_back(4000.0);
    }
    return RawFileRead{{plot}, {}};
}

std::vector<double> evenTimes(double stepSeconds, int count)
{
    std::vector<double> times;
    for (int i = 0; i < count; ++i)
        times.push_back(stepSeconds * i);
    return times;
}

TEST(SimulationResult, ATopNodeThatNeverLeavesZeroIsNoResult)
{
    // What ngspice gives when a bias point drops the tank's charge: every value 0 V.
    const auto outcome = analyseTransient(transient(evenTimes(1e-7, 1000), [](double) { return 0.0; }), modelOneDeck());
    EXPECT_FALSE(outcome.result);
    EXPECT_NE(outcome.errorMessage.find("N04 stays at 0 V"), std::string::npos) << outcome.errorMessage;
}

TEST(SimulationResult, PeakCrestFoundBetweenCoarseSamples)
{
    // A 100 kHz burst of 100 kV crest at 25.37 us, sampled 25 times per period, so the
    // crest falls between samples: they alone miss it by up to 1 - cos(pi / 25) = 0.79 %.
    const auto burst = [](double t) {
        const double fromCrest = t - 25.37e-6;
        return -100e3 * std::cos(2 * std::numbers::pi * 100e3 * fromCrest) * std::exp(-std::pow(fromCrest / 20e-6, 2));
    };
    const auto outcome = analyseTransient(transient(evenTimes(0.4e-6, 200), burst), modelOneDeck());
    ASSERT_TRUE(outcome.result) << outcome.errorMessage;
    EXPECT_NEAR(outcome.result->peakTopVolts, 100e3, 0.05e3);
    EXPECT_NEAR(outcome.result->peakTopSeconds, 25.37e-6, 0.01e-6);
    EXPECT_TRUE(outcome.result->startsFromInitialCharge);
}

} // namespace
} // namespace qv
