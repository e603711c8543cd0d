#pragma once

// The three PSpice netlists of the coil: fixed line templates filled with the
// values of the last recalculation pass and with two conductor resistances.
// Standard library only; the netlist window just shows the lines.

#include <string>
#include <vector>

namespace qv {

// The design values a netlist reads, as the last recalculation pass left them.
struct NetlistInputs {
    double primaryInductanceMh = 0.0;           // Lp, total primary inductance
    double requiredCapacitanceUf = 0.0;         // Creq, tank capacitance that tunes the primary
    double secondaryInductanceMh = 0.0;         // Ls
    double selfCapacitancePf = 0.0;             // Cs, Medhurst self-capacitance
    double topLoadPf = 0.0;                     // Ctop
    double totalCapacitancePf = 0.0;            // Cs + Ctop as the secondary stage summed it
    double outputVolts = 0.0;                   // Vout, supply transformer output
    double inputVolts = 0.0;                    // Vin, supply transformer input
    double lineFrequencyHz = 0.0;               // Fline, mains frequency
    double primaryTubeDiameterInches = 0.0;     // d, outside diameter of the primary tubing
    double primaryWireLengthInches = 0.0;       // lp
    double secondaryTurns = 0.0;                // N
    double secondaryCircumferenceInches = 0.0;  // circ
    double turnsPerInch = 0.0;                  // t
    bool topLoadFlag = false;                   // "W/Top Load C" as the last pass ended
};

struct ConductorResistances {
    double primaryOhms = 0.0;    // Rp, copper tubing
    double secondaryOhms = 0.0;  // Rs, solid copper wire
};

// Rp of the primary tubing (bore 0.66 of its outside diameter) and Rs of the
// secondary wire (diameter taken as the winding pitch 1 / t). No validation:
// a zero diameter or pitch gives an infinite resistance, which prints as "----".
ConductorResistances conductorResistances(const NetlistInputs& inputs);

enum class NetlistModel {
    StandardRlc = 1,        // "Standard RLC Model"
    DistributedLadder = 2,  // "Distributed Ladder Model"
    Complex = 3,            // "Complex Model"
};

// The lines of one model (44, 82 or 99), without line terminators.
// Throws std::invalid_argument for a model outside 1 to 3.
std::vector<std::string> netlistLines(NetlistModel model, const NetlistInputs& inputs);
std::vector<std::string> netlistLines(int model, const NetlistInputs& inputs);

}  // namespace qv
