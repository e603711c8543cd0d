#pragma once

#include <string>
#include <vector>

namespace qv::deck {

// The upper coupled mode of a netlist's coil, from its L, C, R and K statements
// (continuation lines already joined), so the transient step can resolve the ring.
//
// Each inductor belongs to a network: the nodes joined through resistors and inductors,
// never through ground, where everything meets. A network rings at
// f = 1 / (2 pi sqrt(L C)) with L its inductors in series and C every capacitor touching
// it: for a lumped tank that is its own L and C; for the ladder of a distributed
// secondary it is Ls with Cs and the top load, the secondary's fundamental. A coupling
// k between two inductors splits their networks' resonance f0 into the modes
// f0 / sqrt(1 + k) and f0 / sqrt(1 - k) (two circuits tuned alike); the upper one is
// the highest frequency the coil rings at. Small strays behind large resistances (an
// arc's 5 pF behind 220 kOhm) only shift a network's sum a little, as they shift its ring.
//
// Returns the highest such upper mode over all couplings, an uncoupled network counting
// at its own resonance; 0 when no capacitor touches a network with an inductor.
double upperCoupledModeHz(const std::vector<std::string>& statements);

// True when a network holds more than one inductor: a secondary built as a ladder of
// sections, which has modes of its own far above the coil's.
bool hasLadderNetwork(const std::vector<std::string>& statements);

} // namespace qv::deck
