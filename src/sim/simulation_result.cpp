#include "sim/simulation_result.h"

#include "sim/deck_lines.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

void findPeak(SimulationResult& result)
{
    for (std::size_t i = 0; i < result.topVolts.size(); ++i) {
        if (std::abs(result.topVolts[i]) > std::abs(result.peakTopVolts)) {
            result.peakTopVolts = result.topVolts[i];
            result.peakTopSeconds = result.timeSeconds[i];
        }
    }
    result.peakTopVolts = std::abs(result.peakTopVolts);
}

// The two coupled modes of a spark-gap coil, f / sqrt(1 + k) and f / sqrt(1 - k), lie within a
// factor of two of each other for any coupling a coil is built with (k below 0.6). Peaks farther
// from the strongest one are the ladder's own higher resonances or numerical noise, not a mode.
constexpr double kModeSeparationLimit = 2.0;
// Energy sloshes between the two modes, so both carry a good part of it; a bump of a few per cent
// beside a single broad peak (a heavily damped ring-down) is no second mode.
constexpr double kWeakestModeShare = 0.1;
constexpr std::size_t kPeaksConsidered = 32;

void findModes(SimulationResult& result)
{
    result.topSpectrum = amplitudeSpectrum(result.timeSeconds, result.topVolts);
    const CoupledModes modes = coupledModes(result.topSpectrum);
    result.modeLowHz = modes.lowHz;
    result.modeHighHz = modes.highHz;
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
    result.tankVolts.resize(result.timeSeconds.size());
    for (std::size_t i = 0; i < result.tankVolts.size(); ++i)
        result.tankVolts[i] = (*tankPositive)[i] - (*tankNegative)[i];
    findPeak(result);
    findModes(result);
    return {std::move(result), {}};
}

} // namespace qv
