// The simulator's figures against solutions that do not come from ngspice: the
// lossless coupled circuit solved in closed form, and each model at a tenth of the step.
#include "sim/deck_lines.h"
#include "sim/ngspice_run.h"

#include "coil_decks.h"

#include <QFile>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace qv {
namespace {

using test::kCoupling;
using test::kPrimaryHenries;
using test::kSecondaryFarads;
using test::kSecondaryHenries;
using test::kTankFarads;
using test::kTankVolts;
constexpr double kStopSeconds = 10e-3;

// Lossless coupled tank and secondary. With v the two capacitor voltages and i the two
// inductor currents, L di/dt = v and C dv/dt = -i, L = [[L1, M], [M, L2]], M = k sqrt(L1 L2),
// C = diag(C1, C2); so v'' = -A v with A = (L C)^-1. The modes are w^2 = 1 / lambda with
// lambda an eigenvalue of L C:
//   lambda^2 - (L1 C1 + L2 C2) lambda + (1 - k^2) L1 L2 C1 C2 = 0,
// which for L1 C1 = L2 C2 = 1 / w0^2 gives w0 / sqrt(1 +- k). From v(0) = (V0, 0) and
// v'(0) = 0, v(t) = cos(sqrt(A) t) v(0); Sylvester's formula for a 2 x 2 matrix gives the
// secondary's
//   v2(t) = V0 A21 (cos w1 t - cos w2 t) / (w1^2 - w2^2),  A21 = -M / ((L1 L2 - M^2) C2).
struct LosslessCoil {
    double lowRadPerSecond;
    double highRadPerSecond;
    double a21;

    LosslessCoil()
    {
        const double l1c1 = kPrimaryHenries * kTankFarads;
        const double l2c2 = kSecondaryHenries * kSecondaryFarads;
        const double product = (1 - kCoupling * kCoupling) * l1c1 * l2c2;
        const double root = std::sqrt((l1c1 + l2c2) * (l1c1 + l2c2) - 4 * product);
        lowRadPerSecond = 1 / std::sqrt((l1c1 + l2c2 + root) / 2);
        highRadPerSecond = 1 / std::sqrt((l1c1 + l2c2 - root) / 2);
        const double m = kCoupling * std::sqrt(kPrimaryHenries * kSecondaryHenries);
        a21 = -m / ((kPrimaryHenries * kSecondaryHenries - m * m) * kSecondaryFarads);
    }

    double secondaryVolts(double t) const
    {
        return kTankVolts * a21 * (std::cos(lowRadPerSecond * t) - std::cos(highRadPerSecond * t)) /
               (lowRadPerSecond * lowRadPerSecond - highRadPerSecond * highRadPerSecond);
    }

    // Largest |v2| over the run, on a grid a thousandth of the upper mode's period fine.
    double peakVolts() const
    {
        const double step = 2 * std::numbers::pi / highRadPerSecond / 1000;
        double peak = 0;
        for (double t = 0; t <= kStopSeconds; t += step)
            peak = std::max(peak, std::abs(secondaryVolts(t)));
        return peak;
    }
};

constexpr double kHzPerRadPerSecond = 1 / (2 * std::numbers::pi);

TEST(SimulationAccuracy, LosslessRlcModelRingsAtTheClosedFormModesAndPeak)
{
    auto lines = test::defaultModel1Lines();
    lines[18] = "R_R2           N03 N04  1u";
    lines[21] = "R_R1           N01 N02  1u";
    const auto outcome = simulateDeck(test::asSavedFile(lines));
    ASSERT_TRUE(outcome.result) << outcome.errorMessage;
    const LosslessCoil coil;
    const double lowHz = coil.lowRadPerSecond * kHzPerRadPerSecond;   // 86.86 kHz
    const double highHz = coil.highRadPerSecond * kHzPerRadPerSecond; // 96.03 kHz
    EXPECT_NEAR(outcome.result->modeLowHz, lowHz, 0.001 * lowHz);
    EXPECT_NEAR(outcome.result->modeHighHz, highHz, 0.001 * highHz);
    const double peak = coil.peakVolts();
    EXPECT_NEAR(outcome.result->peakTopVolts, peak, 0.002 * peak);
    // The energy-transfer bound: all of the tank's energy in the secondary, V0^2 C1 = V^2 C2.
    EXPECT_LE(peak, kTankVolts * std::sqrt(kTankFarads / kSecondaryFarads));
}

TEST(SimulationAccuracy, DefaultRlcModelKeepsItsModesWithItsLosses)
{
    // The losses (Q about 900 in the secondary) move the modes by parts per million.
    const auto outcome = simulateDeck(test::defaultModel1File());
    ASSERT_TRUE(outcome.result) << outcome.errorMessage;
    const LosslessCoil coil;
    EXPECT_NEAR(outcome.result->modeLowHz * 2 * std::numbers::pi, coil.lowRadPerSecond, 0.001 * coil.lowRadPerSecond);
    EXPECT_NEAR(outcome.result->modeHighHz * 2 * std::numbers::pi, coil.highRadPerSecond, 0.001 * coil.highRadPerSecond);
    EXPECT_LT(outcome.result->peakTopVolts, coil.peakVolts());
}

std::string savedNetlist(const char* name)
{
    QFile file(QStringLiteral(QUORVANE_SIM_TEST_DATA "/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().toStdString();
}

// The deck with its largest step divided by ten.
NgspiceDeck tenTimesFiner(NgspiceDeck deck)
{
    const auto tran = deck.text.find("\n.tran ");
    const auto lineEnd = deck.text.find('\n', tran + 1);
    auto words = deck::tokens(std::string_view(deck.text).substr(tran + 1, lineEnd - tran - 1));
    deck.maxStepSeconds /= 10;
    char step[32];
    std::snprintf(step, sizeof step, "%.6g", deck.maxStepSeconds);
    words[4] = step;
    std::string line;
    for (const auto& word : words)
        line += (line.empty() ? "" : " ") + word;
    deck.text.replace(tran + 1, lineEnd - tran - 1, line);
    return deck;
}

// Largest |top voltage| from 0.5 to 0.6 ms after the peak: the ring-down the plot draws.
double ringDownVolts(const SimulationResult& result)
{
    double largest = 0.0;
    for (std::size_t i = 0; i < result.timeSeconds.size(); ++i) {
        const double after = result.timeSeconds[i] - result.peakTopSeconds;
        if (after >= 0.5e-3 && after <= 0.6e-3)
            largest = std::max(largest, std::abs(result.topVolts[i]));
    }
    return largest;
}

struct SavedModel {
    const char* fileName;
    // The ladder's ring lasts a few milliseconds; the complex model's gap spends its
    // ring within half of one, leaving volts of the kilovolts.
    bool ringsDownSlowly;
};

void PrintTo(const SavedModel& model, std::ostream* out)
{
    *out << model.fileName;
}

class PeakAtATenthOfTheStep : public ::testing::TestWithParam<SavedModel> {};

TEST_P(PeakAtATenthOfTheStep, AgreesWithinHalfAPerCentAndRingsDownAlike)
{
    const auto translation = translateDeck(savedNetlist(GetParam().fileName));
    ASSERT_TRUE(translation.deck) << translation.errorMessage;
    const auto coarse = simulateTranslatedDeck(*translation.deck);
    const auto fine = simulateTranslatedDeck(tenTimesFiner(*translation.deck));
    ASSERT_TRUE(coarse.result) << coarse.errorMessage;
    ASSERT_TRUE(fine.result) << fine.errorMessage;
    EXPECT_NEAR(coarse.result->peakTopVolts, fine.result->peakTopVolts, 0.005 * fine.result->peakTopVolts);
    EXPECT_NEAR(coarse.result->peakTopSeconds, fine.result->peakTopSeconds, 0.5e-6);
    if (!GetParam().ringsDownSlowly)
        return;
    // A rule that damped what its step does not resolve would lose a tenth of the ring by here.
    const double fineRingDown = ringDownVolts(*fine.result);
    EXPECT_GT(fineRingDown, 0.05 * fine.result->peakTopVolts);
    EXPECT_NEAR(ringDownVolts(*coarse.result), fineRingDown, 0.01 * fineRingDown);
}

INSTANTIATE_TEST_SUITE_P(LadderAndComplexModels, PeakAtATenthOfTheStep,
                         ::testing::Values(SavedModel{"default_model2.cir", true}, SavedModel{"default_model3.cir", false}),
                         [](const auto& tested) { return tested.index == 0 ? "Ladder" : "Complex"; });

} // namespace
} // namespace qv
