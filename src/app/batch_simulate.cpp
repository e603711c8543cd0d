#include "app/batch_simulate.h"

#include "core/calculator.h"
#include "netlist/netlist_inputs.h"
#include "sim/ngspice_run.h"

#include <ostream>

namespace qv {

bool runSimulateModel(Calculator& calc, const std::string& model, std::ostream& out)
{
    std::string deck;
    for (const std::string& line : netlistLines(std::stoi(model), netlistInputs(calc))) deck += line + "\r\n";
    const SimulationOutcome outcome = simulateDeck(deck);
    if (!outcome.result) {
        warn(calc, outcome.errorMessage);
        return false;
    }
    const SimulationResult& r = *outcome.result;
    out.precision(10);
    out << "peak_volts\t" << r.peakTopVolts << '\n'
        << "peak_seconds\t" << r.peakTopSeconds << '\n'
        << "mode_low_hz\t" << r.modeLowHz << '\n'
        << "mode_high_hz\t" << r.modeHighHz << '\n';
    return true;
}

} // namespace qv
