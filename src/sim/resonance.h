#pragma once

#include <string>
#include <vector>

namespace qv::deck {

// Estimate of the highest natural frequency of a netlist, from its L, C, R and K
// statements (continuation lines already joined), so the transient step can resolve it.
//
// Rule: resistors join nodes into one cluster (a series resistance is loss, not a
// new reactance); ground is never joined, since everything meets there. Capacitors
// across the same node pair add, being in parallel. Each capacitor group resonates
// with each inductor that touches one of its clusters, at f = 1 / (2 pi sqrt(L C)).
// A coupled inductor's upper mode lies higher, at f / sqrt(1 - k) for two tuned
// circuits with coupling k, so each pair's frequency is raised by the largest k
// that names the inductor. The estimate is the highest of these.
// For the calculator's RLC model: the tank and the secondary both at f, the upper
// mode f / sqrt(0.9). Returns 0 when no capacitor meets an inductor.
double highestResonanceHz(const std::vector<std::string>& statements);

} // namespace qv::deck
