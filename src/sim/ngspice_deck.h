#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// The three coil models, told apart by the model line of the netlist header.
enum class CoilModel { standardRlc = 1, distributedLadder = 2, complex = 3 };

// A voltage across two nodes; "0" is ground.
struct NodePair {
    std::string positiveNode;
    std::string negativeNode;
};

// A saved netlist rewritten for ngspice, with what the results need to know about it.
struct NgspiceDeck {
    std::string text;                 // the deck as ngspice reads it, LF line ends
    CoilModel model = CoilModel::standardRlc;
    std::string topNode;              // the secondary's top (top-load) node
    NodePair tankNodes;               // across the primary tank capacitor
    double stopSeconds = 0.0;
    double highestResonanceHz = 0.0;  // 0 when the deck has no L with a C
    double maxStepSeconds = 0.0;      // 0 leaves ngspice's own choice
    bool usesInitialConditions = false;
};

struct DeckTranslation {
    std::optional<NgspiceDeck> deck;
    std::string errorMessage; // plain words for the user when deck is empty
};

// Translates the netlist text as saved (PSpice dialect, CR LF or LF) in memory:
// - "+" continuation lines are joined to their statement;
// - the .ALIASES block, the .lib "nom.lib" line, .PROBE and .END are dropped;
// - .TRAN gets a maximum step of a fiftieth of the period of the highest resonance
//   (see resonance.h), and uic when the netlist sets initial conditions with .IC,
//   so the charged tank capacitor starts the ring-down instead of a DC bias point;
// - each Sbreak switch becomes a behavioural resistance with PSpice's smooth switch law;
// - .save keeps the top node and the tank capacitor nodes, and exactly one .end closes it.
DeckTranslation translateDeck(std::string_view netlistText);

// The ngspice statement standing for a PSpice switch "S_name n+ n- c+ c- Sbreak".
// Sbreak's defaults: Ron 1 ohm, Roff 1 Mohm, Von 1 V, Voff 0 V.
std::string sbreakSwitchStatement(const std::vector<std::string>& switchWords);

// Top node, tank capacitor name and model line text of each coil model.
std::string_view topNodeOf(CoilModel model);
std::string_view tankCapacitorOf(CoilModel model);

// Fraction of the highest resonance period used as the largest transient step.
inline constexpr double kStepsPerPeriod = 50.0;

} // namespace qv
