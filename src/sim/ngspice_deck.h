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
    double upperModeHz = 0.0;         // 0 when the deck has no L with a C
    double maxStepSeconds = 0.0;      // 0 leaves ngspice's own choice
    // The run starts from the initial conditions as given (.IC, or IC= with SKIPBP),
    // without a bias point: the tank holds its charge at time 0.
    bool usesInitialConditions = false;
    // A ladder secondary's own modes lie above this and are filtered out of the record
    // (see kLadderCutoffPerUpperMode); 0 for a coil without a ladder.
    double ladderModesAboveHz = 0.0;
};

struct DeckTranslation {
    std::optional<NgspiceDeck> deck;
    std::string errorMessage; // plain words for the user when deck is empty
};

// The coil model a netlist's lines name in its header; nullopt when they name none of the three.
std::optional<CoilModel> modelOf(const std::vector<std::string>& lines);

// Translates the netlist text as saved (PSpice dialect, CR LF or LF) in memory:
// - "+" continuation lines are joined to their statement;
// - the .ALIASES block, the .lib "nom.lib" line, .PROBE and .END are dropped;
// - .TRAN gets a maximum step from the period of the coil's upper coupled mode
//   (see resonance.h and the step counts below), and uic when the netlist sets initial
//   conditions with .IC or skips the bias point with SKIPBP (or UIC), so the charged
//   tank capacitor starts the ring-down instead of a DC bias point;
// - a ladder secondary's step is held against its own modes (see below);
// - each Sbreak switch becomes a behavioural resistance with PSpice's smooth switch law;
// - .save keeps the top node and the tank capacitor nodes, and exactly one .end closes it.
DeckTranslation translateDeck(std::string_view netlistText);

// The ngspice statement standing for a PSpice switch "S_name n+ n- c+ c- Sbreak".
// Sbreak's defaults: Ron 1 ohm, Roff 1 Mohm, Von 1 V, Voff 0 V.
std::string sbreakSwitchStatement(const std::vector<std::string>& switchWords);

// Top node, tank capacitor name and model line text of each coil model.
std::string_view topNodeOf(CoilModel model);
std::string_view tankCapacitorOf(CoilModel model);

// Steps per period of the upper coupled mode, the largest transient step.
//
// A coil that rings from its charged tank is read for its two modes and its peak. The
// trapezoidal rule at step h keeps a lossless ring's amplitude and shows its angular
// frequency w at (2/h) atan(w h / 2), low by (w h)^2 / 12 (0.2 % at 40 steps); the modes
// are read with that law undone (integration_warp.h), so the step is set by the peak:
// the crest falling between steps, which the parabola through the samples round it
// recovers (see analyseTransient), and the two modes' slightly different warps over the
// few cycles to the peak, a few hundredths of a per cent at 40 steps.
inline constexpr double kStepsPerModePeriod = 40.0;
// A coil fired through a switch rings only from the firing on and is read for its
// peak: the same reading at 25 steps is within 0.2 % of a run at a tenth of the step,
// against the 0.5 % asked. The long 60 Hz charging before the gap fires needs no fine
// step but gets it all the same, 80 % of the run.
inline constexpr double kStepsPerSwitchedPeriod = 25.0;
// A ladder secondary has modes of its own far above the coil's (1.2 to 3.7 MHz in the
// calculator's seven-section ladder, an artefact of lumping the winding), which a
// charged tank's abrupt start excites at a few tenths of a per cent of the ring. No step
// near the coil's period resolves them: the trapezoidal rule keeps them at a wrong phase
// (a lottery of +-0.7 % on the peak) and its step control shrinks the step to chase
// them; a damping rule (Gear's) would damp the coil's long ring-down with them, a fifth
// of it by 1 ms. So the ladder is stepped like a free ring, its step held (the loose
// truncation tolerance), and its own modes are taken out of the record afterwards by a
// zero-phase low-pass (low_pass.h) cut at four times the upper mode, which keeps the
// coil's modes to a part in 10^4. At 40 steps a period the trapezoidal rule shows the
// ladder's lowest mode at 10 times the upper mode, beyond the cut.
inline constexpr const char* kHeldStep = ".options trtol=1000";
inline constexpr double kLadderCutoffPerUpperMode = 4.0;
inline constexpr double kLadderFilterHalfWidthPeriods = 1.5;
// ngspice otherwise reads the clock at every step to print its progress, a fifth of a
// coil's run; the program follows the run in its raw file instead.
inline constexpr const char* kQuietProgress = ".options norefvalue";

} // namespace qv
