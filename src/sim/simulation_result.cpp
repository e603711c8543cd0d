#include "simulation_result.h"

#include "deck_lines.h"

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

void findModes(SimulationResult& result)
{
    result.topSpectrum = amplitudeSpectrum(result.timeSeconds, result.topVolts);
    const auto peaks = strongestPeaks(result.topSpectrum, 2);
    if (peaks.size() < 2) {
        result.modeLowHz = result.modeHighHz = std::numeric_limits<double>::quiet_NaN();
        return;
    }
    result.modeLowHz = std::min(peaks[0].frequencyHz, peaks[1].frequencyHz);
    result.modeHighHz = std::max(peaks[0].frequencyHz, peaks[1].frequencyHz);
}

} // namespace

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
