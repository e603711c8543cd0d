#include "app/batch_simulate.h"

#include "core/calculator.h"
#include "netlist/netlist_inputs.h"
#include "sim/coil_as_it_stands.h"
#include "sim/ngspice_run.h"

#include <optional>
#include <ostream>

namespace qv {

namespace {

// The netlist as the window saves it, run with the sheets' figures or with the coil as it stands.
bool simulate(Calculator& calc, const std::string& model, const std::optional<CoilAsItStands>& coil, std::ostream& out)
{
    std::string deck;
    for (const std::string& line : netlistLines(std::stoi(model), netlistInputs(calc))) deck += line + "\r\n";
    if (coil) {
        AsItStandsNetlist asItStands = withCoilAsItStands(deck, *coil);
        if (!asItStands.text) {
            warn(calc, asItStands.errorMessage);
            return false;
        }
        deck = std::move(*asItStands.text);
    }
    const SimulationOutcome outcome = simulateDeck(deck);
    if (!outcome.result) {
        warn(calc, outcome.errorMessage);
        return false;
    }
    const SimulationResult& r = *outcome.result;
    if (coil) out << "figures\t" << asItStandsSummary(*coil) << '\n';
    out.precision(10);
    out << "peak_volts\t" << r.peakTopVolts << '\n'
        << "peak_seconds\t" << r.peakTopSeconds << '\n'
        << "mode_low_hz\t" << r.modeLowHz << '\n'
        << "mode_high_hz\t" << r.modeHighHz << '\n';
    return true;
}

} // namespace

bool runSimulateModel(Calculator& calc, const std::string& model, std::ostream& out)
{
    return simulate(calc, model, std::nullopt, out);
}

bool runSimulateAsItStands(Calculator& calc, const std::string& model, std::ostream& out)
{
    const AsItStandsFigures figures = coilAsItStands(calc);
    if (!figures.figures) {
        warn(calc, figures.errorMessage);
        return false;
    }
    return simulate(calc, model, figures.figures, out);
}

} // namespace qv
