#include "sim/resonance.h"

#include "sim/deck_lines.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace qv::deck {

namespace {

constexpr const char* kGround = "0";

struct TwoTerminal {
    std::string name; // lower case
    std::string nodeA;
    std::string nodeB;
    double value = 0.0;
};

struct Coupling {
    std::string inductorA;
    std::string inductorB;
    double k = 0.0;
};

struct Circuit {
    std::vector<TwoTerminal> resistors;
    std::vector<TwoTerminal> capacitors;
    std::vector<TwoTerminal> inductors;
    std::vector<Coupling> couplings;
};

Circuit readCircuit(const std::vector<std::string>& statements)
{
    Circuit circuit;
    for (const auto& line : statements) {
        if (isCommentOrBlank(line))
            continue;
        const auto words = tokens(line);
        if (words.size() < 4)
            continue;
        const char kind = static_cast<char>(std::tolower(static_cast<unsigned char>(words[0][0])));
        const auto value = parseValue(words[3]);
        if (!value || *value <= 0.0)
            continue;
        if (kind == 'k' && *value < 1.0) {
            circuit.couplings.push_back({toLower(words[1]), toLower(words[2]), *value});
            continue;
        }
        TwoTerminal part{toLower(words[0]), toLower(words[1]), toLower(words[2]), *value};
        if (kind == 'r')
            circuit.resistors.push_back(part);
        else if (kind == 'c')
            circuit.capacitors.push_back(part);
        else if (kind == 'l')
            circuit.inductors.push_back(part);
    }
    return circuit;
}

// Nodes joined through resistors and inductors into networks; ground stays apart.
class Networks {
public:
    explicit Networks(const Circuit& circuit)
    {
        for (const auto* parts : {&circuit.resistors, &circuit.inductors}) {
            for (const auto& part : *parts) {
                if (part.nodeA != kGround && part.nodeB != kGround)
                    parent_[find(part.nodeA)] = find(part.nodeB);
            }
        }
    }

    std::string find(const std::string& node)
    {
        auto it = parent_.find(node);
        if (it == parent_.end() || it->second == node)
            return node;
        std::string root = find(it->second);
        parent_[node] = root;
        return root;
    }

    // The network of a part: that of its first terminal off ground.
    std::string of(const TwoTerminal& part) { return find(part.nodeA != kGround ? part.nodeA : part.nodeB); }

    bool touches(const TwoTerminal& part, const std::string& network)
    {
        return (part.nodeA != kGround && find(part.nodeA) == network) ||
               (part.nodeB != kGround && find(part.nodeB) == network);
    }

private:
    std::map<std::string, std::string> parent_;
};

// Resonance of the network each inductor belongs to, by inductor name; 0 without a capacitor.
std::map<std::string, double> networkResonanceHz(const Circuit& circuit)
{
    Networks networks(circuit);
    std::map<std::string, double> henriesOf;
    std::map<std::string, double> faradsOf;
    for (const auto& inductor : circuit.inductors)
        henriesOf[networks.of(inductor)] += inductor.value;
    for (auto& [network, henries] : henriesOf) {
        for (const auto& capacitor : circuit.capacitors) {
            if (networks.touches(capacitor, network))
                faradsOf[network] += capacitor.value;
        }
    }
    std::map<std::string, double> hzOf;
    for (const auto& inductor : circuit.inductors) {
        const std::string network = networks.of(inductor);
        const double farads = faradsOf[network];
        hzOf[inductor.name] =
            farads > 0.0 ? 1.0 / (2.0 * std::numbers::pi * std::sqrt(henriesOf[network] * farads)) : 0.0;
    }
    return hzOf;
}

} // namespace

bool hasLadderNetwork(const std::vector<std::string>& statements)
{
    const Circuit circuit = readCircuit(statements);
    Networks networks(circuit);
    std::map<std::string, int> inductorsIn;
    for (const auto& inductor : circuit.inductors) {
        if (++inductorsIn[networks.of(inductor)] > 1)
            return true;
    }
    return false;
}

double upperCoupledModeHz(const std::vector<std::string>& statements)
{
    const Circuit circuit = readCircuit(statements);
    const auto hzOf = networkResonanceHz(circuit);
    double highestHz = 0.0;
    for (const auto& [inductor, hz] : hzOf)
        highestHz = std::max(highestHz, hz);
    for (const auto& coupling : circuit.couplings) {
        const auto a = hzOf.find(coupling.inductorA);
        const auto b = hzOf.find(coupling.inductorB);
        if (a == hzOf.end() || b == hzOf.end())
            continue;
        highestHz = std::max(highestHz, std::max(a->second, b->second) / std::sqrt(1.0 - coupling.k));
    }
    return highestHz;
}

} // namespace qv::deck
