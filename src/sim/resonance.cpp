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

struct Circuit {
    std::vector<TwoTerminal> resistors;
    std::vector<TwoTerminal> capacitors;
    std::vector<TwoTerminal> inductors;
    std::map<std::string, double> couplingByInductor; // largest k naming each inductor
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
        if (kind == 'k' && value) {
            for (int i = 1; i <= 2; ++i) {
                double& k = circuit.couplingByInductor[toLower(words[i])];
                k = std::max(k, *value);
            }
            continue;
        }
        if (!value || *value <= 0.0)
            continue;
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

class NodeClusters {
public:
    explicit NodeClusters(const std::vector<TwoTerminal>& resistors)
    {
        for (const auto& r : resistors) {
            if (r.nodeA != kGround && r.nodeB != kGround)
                parent_[find(r.nodeA)] = find(r.nodeB);
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

    bool touches(const TwoTerminal& a, const TwoTerminal& b)
    {
        for (const auto* nodeOfA : {&a.nodeA, &a.nodeB}) {
            if (*nodeOfA == kGround)
                continue;
            for (const auto* nodeOfB : {&b.nodeA, &b.nodeB}) {
                if (*nodeOfB != kGround && find(*nodeOfA) == find(*nodeOfB))
                    return true;
            }
        }
        return false;
    }

private:
    std::map<std::string, std::string> parent_;
};

std::vector<TwoTerminal> parallelGroups(const std::vector<TwoTerminal>& capacitors)
{
    std::map<std::pair<std::string, std::string>, TwoTerminal> groups;
    for (const auto& c : capacitors) {
        auto key = std::minmax(c.nodeA, c.nodeB);
        auto [it, inserted] = groups.try_emplace({key.first, key.second}, c);
        if (!inserted)
            it->second.value += c.value;
    }
    std::vector<TwoTerminal> result;
    result.reserve(groups.size());
    for (auto& [key, group] : groups)
        result.push_back(group);
    return result;
}

} // namespace

double highestResonanceHz(const std::vector<std::string>& statements)
{
    Circuit circuit = readCircuit(statements);
    NodeClusters clusters(circuit.resistors);
    double highestHz = 0.0;
    for (const auto& capacitor : parallelGroups(circuit.capacitors)) {
        for (const auto& inductor : circuit.inductors) {
            if (!clusters.touches(capacitor, inductor))
                continue;
            double hz = 1.0 / (2.0 * std::numbers::pi * std::sqrt(inductor.value * capacitor.value));
            const auto k = circuit.couplingByInductor.find(inductor.name);
            if (k != circuit.couplingByInductor.end() && k->second > 0.0 && k->second < 1.0)
                hz /= std::sqrt(1.0 - k->second);
            highestHz = std::max(highestHz, hz);
        }
    }
    return highestHz;
}

} // namespace qv::deck
