#include "sim/simulation_result.h"

#include "sim/deck_lines.h"
#include "sim/low_pass.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace qv {

namespace {

const RawPlot* transientPlot(const RawFileRead& raw)
{
    for (const auto& plot : raw.plots) {
        if (deck::toLower(plot.plotName).find("transient") != std::string::npos)
            return &plot;
    }
    return nullptr;
}

// The node voltage, or zeros for ground.
std::optional<std::vector<double>> nodeVolts(const RawPlot& plot, const std::string& node)
{
    if (node == "0")
        return std::vector<double>(plot.columns.front().size(), 0.0);
    const auto index = plot.indexOf("v(" + node + ")");
    if (!index)
        return std::nullopt;
    return plot.columns[*index];
}

// Vertex of the parabola through three samples (t, v), uneven times allowed; the middle
// sample when the three lie on a line or the vertex falls outside them.
std::pair<double, double> parabolaVertex(const double t[3], const double v[3])
{
    const double d1 = (v[1] - v[0]) / (t[1] - t[0]);
    const double d2 = (v[2] - v[1]) / (t[2] - t[1]);
    const double curvature = (d2 - d1) / (t[2] - t[0]); // half the second derivative
    if (!std::isfinite(curvature) || curvature == 0.0)
        return {t[1], v[1]};
    // v(t) = v[1] + slope (t - t[1]) + curvature (t - t[1])^2, slope at t[1] from both sides
    const double slope = d1 + curvature * (t[1] - t[0]);
    const double shift = -slope / (2.0 * curvature);
    if (t[1] + shift < t[0] || t[1] + shift > t[2])
        return {t[1], v[1]};
    return {t[1] + shift, v[1] + slope * shift + curvature * shift * shift};
}

void findPeak(SimulationResult& result)
{
    const auto& v = result.topVolts;
    std::size_t largest = 0;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (std::abs(v[i]) > std::abs(v[largest]))
            largest = i;
    }
    result.peakTopSeconds = result.timeSeconds[largest];
    result.peakTopVolts = std::abs(v[largest]);
    if (largest == 0 || largest + 1 >= v.size())
        return;
    const double* t = &result.timeSeconds[largest - 1];
    const auto [seconds, volts] = parabolaVertex(t, &v[largest - 1]);
    result.peakTopSeconds = seconds;
    result.peakTopVolts = std::max(std::abs(volts), result.peakTopVolts);
}

// A top voltage within this of 0 V the whole run is ngspice's zero, not a coil's ring.
constexpr double kFlatVolts = 1e-6;

bool staysAtZero(const std::vector<double>& volts)
{
    return std::all_of(volts.begin(), volts.end(), [](double v) { return std::abs(v) <= kFlatVolts; });
}

// The two coupled modes of a spark-gap coil, f / sqrt(1 + k) and f / sqrt(1 - k), lie within a
// factor of two of each other for any coupling a coil is built with (k below 0.6). Peaks farther
// from the strongest one are the ladder's own higher resonances or numerical noise, not a mode.
constexpr double kModeSeparationLimit = 2.0;
// Energy sloshes between the two modes, so both carry a good part of it; a bump of a few per cent
// beside a single broad peak (a heavily damped ring-down) is no second mode.
constexpr double kWeakestModeShare = 0.1;
constexpr std::size_t kPeaksConsidered = 32;

// The modes as the circuit rings them: a deck held to a largest step is integrated at
// that step nearly throughout, and the trapezoidal rule's warp at the run's typical step
// is undone.
void findModes(SimulationResult& result, const NgspiceDeck& deck, double typicalStep)
{
    FrequencyWarp warp;
    if (deck.maxStepSeconds > 0.0)
        warp.stepSeconds = typicalStep;
    result.topSpectrum = amplitudeSpectrum(result.timeSeconds, result.topVolts, warp);
    const CoupledModes modes = coupledModes(result.topSpectrum);
    result.modeLowHz = modes.lowHz;
    result.modeHighHz = modes.highHz;
}

// A ladder's own modes out of both voltages (see kLadderCutoffPerUpperMode). The run held
// its step but for a few at the start; the record is put on that step's even grid first.
void removeLadderModes(SimulationResult& result, const NgspiceDeck& deck, double stepSeconds)
{
    if (!(stepSeconds > 0.0))
        return;
    const double spanSeconds = result.timeSeconds.back() - result.timeSeconds.front();
    const auto count = static_cast<std::size_t>(std::llround(spanSeconds / stepSeconds)) + 1;
    const double halfWidthSeconds = kLadderFilterHalfWidthPeriods / deck.upperModeHz;
    for (auto* volts : {&result.topVolts, &result.tankVolts})
        *volts = lowPassed(resampleUniform(result.timeSeconds, *volts, count), stepSeconds, deck.ladderModesAboveHz,
                           halfWidthSeconds);
    result.timeSeconds = resampleUniform(result.timeSeconds, result.timeSeconds, count);
    result.ladderModesRemoved = true;
}

} // namespace

CoupledModes coupledModes(const Spectrum& spectrum)
{
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    const auto peaks = strongestPeaks(spectrum, kPeaksConsidered);
    if (peaks.size() < 2) return {kNone, kNone};
    const SpectralPeak& strongest = peaks.front();
    const auto partner = std::find_if(peaks.begin() + 1, peaks.end(), [&](const SpectralPeak& p) {
        const double ratio = p.frequencyHz / strongest.frequencyHz;
        return ratio < kModeSeparationLimit && ratio > 1 / kModeSeparationLimit &&
               p.magnitude >= kWeakestModeShare * strongest.magnitude;
    });
    if (partner == peaks.end()) return {kNone, kNone};
    return {std::min(strongest.frequencyHz, partner->frequencyHz), std::max(strongest.frequencyHz, partner->frequencyHz)};
}

SimulationOutcome analyseTransient(const RawFileRead& raw, const NgspiceDeck& deck)
{
    if (!raw.errorMessage.empty())
        return {std::nullopt, "The simulation results could not be read: " + raw.errorMessage + "."};
    const RawPlot* plot = transientPlot(raw);
    if (!plot || plot->columns.empty() || deck::toLower(plot->variableNames.front()) != "time")
        return {std::nullopt, "The simulation results hold no transient analysis."};
    if (plot->columns.front().size() < 2)
        return {std::nullopt, "The transient analysis produced fewer than two time points."};

    SimulationResult result;
    result.model = deck.model;
    result.topNode = deck.topNode;
    result.tankNodes = deck.tankNodes;
    result.timeSeconds = plot->columns.front();
    const auto top = nodeVolts(*plot, deck.topNode);
    const auto tankPositive = nodeVolts(*plot, deck.tankNodes.positiveNode);
    const auto tankNegative = nodeVolts(*plot, deck.tankNodes.negativeNode);
    if (!top || !tankPositive || !tankNegative)
        return {std::nullopt, "The simulation results lack the voltage of the top node or of the tank capacitor."};
    result.topVolts = *top;
    if (staysAtZero(result.topVolts))
        return {std::nullopt, "The top node " + deck.topNode + " stays at 0 V for the whole run: nothing in the "
                              "netlist charges or drives the coil (an initial charge needs .IC, or IC= with "
                              "SKIPBP on the .TRAN line), so there is no result to show."};
    result.startsFromInitialCharge = deck.usesInitialConditions;
    result.tankVolts.resize(result.timeSeconds.size());
    for (std::size_t i = 0; i < result.tankVolts.size(); ++i)
        result.tankVolts[i] = (*tankPositive)[i] - (*tankNegative)[i];
    // The even grid a ladder's record is put on keeps this step.
    const double typicalStep = typicalStepSeconds(result.timeSeconds);
    if (deck.ladderModesAboveHz > 0.0)
        removeLadderModes(result, deck, typicalStep);
    findPeak(result);
    findModes(result, deck, typicalStep);
    return {std::move(result), {}};
}

} // namespace qv
