#pragma once
// The coil as it stands in a simulation: the field solution's coupling, inductances and in-place
// capacitances put in place of the sheets' figures in the deck given to ngspice. The netlist the
// user sees, copies and saves keeps the sheets' figures; only the deck handed to the simulator
// carries these.

#include "field/coil_field.h"

#include <optional>
#include <string>
#include <string_view>

namespace qv {

struct Calculator;

struct CoilAsItStands {
    double coupling = 0.0;              // k between the primary and the secondary
    double primaryInductanceUh = 0.0;   // Lp of the primary's rings
    double secondaryInductanceMh = 0.0; // Ls of the current sheet
    double selfCapacitancePf = 0.0;     // the secondary's equivalent self-capacitance
    double topLoadPf = 0.0;             // what the top load adds where it stands; 0 without one
};

struct AsItStandsFigures {
    std::optional<CoilAsItStands> figures;
    std::string errorMessage; // plain words for the user when figures is empty
};

// The figures a simulation needs from a field solution, or why it has none of them.
AsItStandsFigures coilAsItStands(const field::Analysis& analysis);

// Solves the field of the design as the last pass left it: the top load of the Topload C sheet's
// shape while it is placed on the coil, none otherwise.
AsItStandsFigures coilAsItStands(const Calculator& calc);

// One line for the results window, e.g.
// "Coil as it stands: k 0.142, Lp 31.2 uH, Ls 28.6 mH, Cself 9.8 pF, Ctop 14.1 pF".
std::string asItStandsSummary(const CoilAsItStands& coil);

struct AsItStandsNetlist {
    std::optional<std::string> text; // LF line ends
    std::string errorMessage;         // plain words for the user when text is empty
};

// The netlist text (as saved, any of the three models) with the coil's parts set to the figures:
// the coupling of the primary to the secondary, the primary and secondary inductors, and the
// secondary's capacitances. A ladder keeps its split: its sections are scaled so they add up to
// Ls and to the self-capacitance. A model with one secondary capacitor takes Cself + Ctop.
// Every other line is left as it reads.
AsItStandsNetlist withCoilAsItStands(std::string_view netlistText, const CoilAsItStands& coil);

} // namespace qv
