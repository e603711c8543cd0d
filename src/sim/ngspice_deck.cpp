#include "sim/ngspice_deck.h"

#include "sim/deck_lines.h"
#include "sim/resonance.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace qv {

namespace {

struct ModelFacts {
    CoilModel model;
    std::string_view modelLine;
    std::string_view topNode;
    std::string_view tankCapacitor;
};

// Models 1 and 2 charge C_C1 from ground to N01; in model 3 the tank capacitor
// C_C3 sits between the spark gap node N05 and the tubing resistance at N07.
constexpr std::array<ModelFacts, 3> kModels{{
    {CoilModel::standardRlc, "*Simple Model*", "N04", "C_C1"},
    {CoilModel::distributedLadder, "*Distributed Ladder Model*", "N015", "C_C1"},
    {CoilModel::complex, "*Complex Model*", "N010", "C_C3"},
}};

const ModelFacts& factsOf(CoilModel model)
{
    return kModels[static_cast<std::size_t>(model) - 1];
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

std::optional<CoilModel> findModel(const std::vector<std::string>& lines)
{
    for (const auto& line : lines) {
        for (const auto& facts : kModels) {
            if (deck::toLower(trimmed(line)) == deck::toLower(facts.modelLine))
                return facts.model;
        }
    }
    return std::nullopt;
}

// ".IC V(N01 )=   4000" -> ".IC V(N01)=4000": ngspice wants the node name whole.
std::string compactInitialConditions(std::string_view line)
{
    std::string out;
    int depth = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        depth += (c == '(') - (c == ')');
        const bool blank = c == ' ' || c == '\t';
        const bool besideEquals = (i + 1 < line.size() && line[i + 1] == '=') ||
                                  (!out.empty() && out.back() == '=');
        if (blank && (depth > 0 || besideEquals))
            continue;
        out.push_back(c);
    }
    return out;
}

std::string formatSeconds(double seconds)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", seconds);
    return buffer;
}

struct TranDirective {
    std::string printStep;
    std::string stopTime;
    std::string startTime = "0";
    double stopSeconds = 0.0;
    std::optional<double> maxStepSeconds;
    bool skipsBiasPoint = false; // SKIPBP (PSpice) or UIC (SPICE): start from the given initial conditions
};

// PSpice: .TRAN[/OP] tstep tstop [tstart [tmax]] [SKIPBP]
std::optional<TranDirective> parseTran(const std::vector<std::string>& words)
{
    std::vector<std::string> numbers;
    TranDirective tran;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string word = deck::toLower(words[i]);
        if (word == "skipbp" || word == "uic")
            tran.skipsBiasPoint = true;
        else
            numbers.push_back(words[i]);
    }
    if (numbers.size() < 2)
        return std::nullopt;
    tran.printStep = numbers[0];
    tran.stopTime = numbers[1];
    const auto step = deck::parseValue(numbers[0]);
    const auto stop = deck::parseValue(numbers[1]);
    if (!step || !stop || *step <= 0.0 || *stop <= 0.0)
        return std::nullopt;
    tran.stopSeconds = *stop;
    if (numbers.size() >= 3)
        tran.startTime = numbers[2];
    if (numbers.size() >= 4)
        tran.maxStepSeconds = deck::parseValue(numbers[3]);
    return tran;
}

struct SortedStatements {
    std::vector<std::string> circuit;          // elements and directives kept as they are
    std::vector<std::vector<std::string>> tranLines;
    bool hasInitialConditions = false;
    std::string problem;
};

bool isDroppedDirective(std::string_view lowerFirstWord, const std::vector<std::string>& words)
{
    if (lowerFirstWord == ".probe")
        return true;
    return lowerFirstWord == ".lib" && words.size() == 2 && deck::toLower(words[1]) == "\"nom.lib\"";
}

SortedStatements sortStatements(const std::vector<std::string>& statements)
{
    SortedStatements sorted;
    bool inAliases = false;
    for (std::size_t i = 0; i < statements.size(); ++i) {
        const auto& line = statements[i];
        // The first line is the title in PSpice and ngspice alike.
        if (i == 0 || deck::isCommentOrBlank(line)) {
            sorted.circuit.push_back(line);
            continue;
        }
        const auto words = deck::tokens(line);
        const std::string first = deck::toLower(words.front());
        if (first == ".aliases" || first == ".endaliases") {
            inAliases = first == ".aliases";
            continue;
        }
        if (inAliases || isDroppedDirective(first, words))
            continue;
        if (first == ".end")
            break;
        if (first.starts_with(".tran")) {
            sorted.tranLines.push_back(words);
        } else if (first == ".ic") {
            sorted.hasInitialConditions = true;
            sorted.circuit.push_back(compactInitialConditions(line));
        } else if (first[0] == 's') {
            if (words.size() != 6 || deck::toLower(words[5]) != "sbreak") {
                sorted.problem = "The switch \"" + words[0] +
                                 "\" must read \"name n+ n- c+ c- Sbreak\"; only the Sbreak switch model is known.";
                return sorted;
            }
            sorted.circuit.push_back(sbreakSwitchStatement(words));
        } else {
            sorted.circuit.push_back(line);
        }
    }
    return sorted;
}

std::optional<std::vector<std::string>> findElement(const std::vector<std::string>& statements,
                                                    std::string_view name)
{
    for (const auto& line : statements) {
        if (deck::isCommentOrBlank(line))
            continue;
        auto words = deck::tokens(line);
        if (deck::toLower(words.front()) == deck::toLower(name))
            return words;
    }
    return std::nullopt;
}

bool nodeAppears(const std::vector<std::string>& statements, std::string_view node)
{
    for (const auto& line : statements) {
        if (deck::isCommentOrBlank(line) || line.front() == '.')
            continue;
        const auto words = deck::tokens(line);
        for (std::size_t i = 1; i < words.size(); ++i) {
            if (deck::toLower(words[i]) == deck::toLower(node))
                return true;
        }
    }
    return false;
}

std::string saveStatement(const NgspiceDeck& deck)
{
    std::string save = ".save v(" + deck.topNode + ")";
    for (const auto* node : {&deck.tankNodes.positiveNode, &deck.tankNodes.negativeNode}) {
        if (*node != "0" && deck::toLower(*node) != deck::toLower(deck.topNode))
            save += " v(" + *node + ")";
    }
    return save;
}

// The voltage of node a over node b as an ngspice expression, ground left out.
std::string voltageBetween(const std::string& a, const std::string& b)
{
    if (b == "0")
        return "V(" + a + ")";
    if (a == "0")
        return "-V(" + b + ")";
    return "V(" + a + "," + b + ")";
}

DeckTranslation failure(std::string message)
{
    return DeckTranslation{std::nullopt, std::move(message)};
}

// Tank voltage taken with the capacitor's ungrounded side positive.
NodePair tankNodesFrom(const std::vector<std::string>& capacitorWords)
{
    if (capacitorWords[1] == "0")
        return {capacitorWords[2], "0"};
    return {capacitorWords[1], capacitorWords[2]};
}

} // namespace

std::string_view topNodeOf(CoilModel model)
{
    return factsOf(model).topNode;
}

std::string_view tankCapacitorOf(CoilModel model)
{
    return factsOf(model).tankCapacitor;
}

std::string sbreakSwitchStatement(const std::vector<std::string>& switchWords)
{
    // PSpice's smooth voltage-controlled switch: between Voff and Von the resistance
    // moves log-cubically from Roff to Ron,
    //   R = exp(Lm + 3 Lr (Vc - Vm) / (2 Vd) - 2 Lr (Vc - Vm)^3 / Vd^3)
    // with Lm = ln sqrt(Ron Roff), Lr = ln(Ron / Roff), Vm = (Von + Voff) / 2,
    // Vd = Von - Voff; R is Ron above Von and Roff below Voff. With u the control voltage
    // less Voff over Vd, clipped to [0, 1], and x = u - 1/2, the exponent's
    // 1.5 x - 2 x^3 is the smooth step s = u^2 (3 - 2 u) less 1/2, and Lm - Lr / 2 is
    // ln Roff, so R = Roff (Ron / Roff)^s: one smooth step of the control voltage, its
    // conductance exp(-ln Roff + ln(Roff / Ron) s). ngspice's u2() is the clipped ramp.
    constexpr double kRonOhms = 1.0;
    constexpr double kRoffOhms = 1e6;
    constexpr double kVonVolts = 1.0;
    constexpr double kVoffVolts = 0.0;
    // ngspice evaluates the expression and its derivatives at every iteration of every
    // step, a good part of the run: with Sbreak's 0 to 1 V band u is the clipped control
    // voltage itself, and a ground side drops out of each voltage.
    static_assert(kVoffVolts == 0.0 && kVonVolts - kVoffVolts == 1.0, "u is the control voltage clipped to [0, 1]");
    const auto number = [](double value) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.10g", value);
        return std::string(buffer);
    };
    const auto& w = switchWords;
    const std::string u = "u2(" + voltageBetween(w[3], w[4]) + ")";
    const std::string smoothStep = u + "*" + u + "*(3-2*" + u + ")";
    return "B" + w[0] + " " + w[1] + " " + w[2] + " I=" + voltageBetween(w[1], w[2]) + "*exp(" +
           number(-std::log(kRoffOhms)) + "+" + number(std::log(kRoffOhms / kRonOhms)) + "*" + smoothStep + ")";
}

std::optional<CoilModel> modelOf(const std::vector<std::string>& lines)
{
    return findModel(lines);
}

DeckTranslation translateDeck(std::string_view netlistText)
{
    const auto statements = deck::joinContinuationLines(deck::splitLines(netlistText));
    if (statements.empty())
        return failure("The netlist file is empty.");
    const auto model = modelOf(statements);
    if (!model)
        return failure("The netlist does not say which coil model it is: it needs one of the lines "
                       "\"*Simple Model*\", \"*Distributed Ladder Model*\" or \"*Complex Model*\".");
    SortedStatements sorted = sortStatements(statements);
    if (!sorted.problem.empty())
        return failure(sorted.problem);
    if (sorted.tranLines.size() != 1)
        return failure(sorted.tranLines.empty() ? "The netlist has no .TRAN line, so there is no transient to simulate."
                                                : "The netlist has more than one .TRAN line; keep one.");
    const auto tran = parseTran(sorted.tranLines.front());
    if (!tran)
        return failure("The .TRAN line needs a positive print step and stop time, as in \".TRAN 0.1ms 10ms\".");

    NgspiceDeck deck;
    deck.model = *model;
    deck.topNode = std::string(topNodeOf(*model));
    if (!nodeAppears(sorted.circuit, deck.topNode))
        return failure("The top node " + deck.topNode + " of this model is not connected in the netlist.");
    const auto tank = findElement(sorted.circuit, tankCapacitorOf(*model));
    if (!tank || tank->size() < 4)
        return failure("The tank capacitor " + std::string(tankCapacitorOf(*model)) + " is missing from the netlist.");
    deck.tankNodes = tankNodesFrom(*tank);
    deck.stopSeconds = tran->stopSeconds;
    deck.usesInitialConditions = sorted.hasInitialConditions || tran->skipsBiasPoint;
    deck.upperModeHz = deck::upperCoupledModeHz(sorted.circuit);
    const bool ringsInLadderModes = deck.usesInitialConditions && deck::hasLadderNetwork(sorted.circuit);
    if (ringsInLadderModes)
        deck.ladderModesAboveHz = kLadderCutoffPerUpperMode * deck.upperModeHz;
    const double stepsPerPeriod = deck.usesInitialConditions ? kStepsPerModePeriod : kStepsPerSwitchedPeriod;
    if (deck.upperModeHz > 0.0)
        deck.maxStepSeconds = 1.0 / (stepsPerPeriod * deck.upperModeHz);
    if (tran->maxStepSeconds && *tran->maxStepSeconds > 0.0 &&
        (deck.maxStepSeconds == 0.0 || *tran->maxStepSeconds < deck.maxStepSeconds))
        deck.maxStepSeconds = *tran->maxStepSeconds;

    std::ostringstream out;
    for (const auto& line : sorted.circuit)
        out << line << '\n';
    out << kQuietProgress << '\n';
    if (ringsInLadderModes)
        out << kHeldStep << '\n';
    out << ".tran " << tran->printStep << ' ' << tran->stopTime << ' ' << tran->startTime;
    if (deck.maxStepSeconds > 0.0)
        out << ' ' << formatSeconds(deck.maxStepSeconds);
    if (deck.usesInitialConditions)
        out << " uic";
    out << '\n' << saveStatement(deck) << '\n' << ".end\n";
    deck.text = out.str();
    return DeckTranslation{std::move(deck), {}};
}

} // namespace qv
