#pragma once

#include "sim/ngspice_deck.h"
#include "sim/raw_file.h"
#include "sim/spectrum.h"

#include <optional>
#include <string>
#include <vector>

namespace qv {

// What a finished transient of the coil shows: the waveforms and their landmarks.
struct SimulationResult {
    CoilModel model = CoilModel::standardRlc;
    std::string topNode;
    NodePair tankNodes;
    std::vector<double> timeSeconds;
    std::vector<double> topVolts;  // secondary top to ground
    std::vector<double> tankVolts; // across the primary tank capacitor
    // The run started from the tank's initial charge without a bias point (uic).
    bool startsFromInitialCharge = false;
    // A ladder secondary's own modes were filtered out of both voltages, which are then
    // on an even grid.
    bool ladderModesRemoved = false;
    // Largest magnitude of the top voltage, its crest placed between the samples by the
    // parabola through the three round the largest; its sign is that of topVolts there.
    double peakTopVolts = 0.0;
    double peakTopSeconds = 0.0;
    // The two coupled modes of primary and secondary, lower first; NaN when the
    // spectrum of the top voltage shows fewer than two peaks.
    double modeLowHz = 0.0;
    double modeHighHz = 0.0;
    Spectrum topSpectrum;
};

struct SimulationOutcome {
    std::optional<SimulationResult> result;
    std::string errorMessage; // plain words when result is empty
};

// The two coupled modes of primary and secondary in a spectrum of the top voltage, lower first;
// both NaN when the spectrum shows no such pair.
struct CoupledModes {
    double lowHz;
    double highHz;
};
CoupledModes coupledModes(const Spectrum& spectrum);

// Picks the transient plot out of a raw file and derives the result for the deck
// it was run from, a ladder's own modes filtered out where the deck says so. A top voltage
// that never leaves 0 V is no result: nothing drove the coil.
SimulationOutcome analyseTransient(const RawFileRead& raw, const NgspiceDeck& deck);

} // namespace qv
