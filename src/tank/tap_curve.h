#pragma once
// Where to tap the primary: the smallest count of turns n, from the inner end, at which the tapped
// turns and the leads tune with the tank capacitor, Lp(n) + lead = 1 / ((2 pi f)^2 C). Two ways
// to know Lp(n): the Primary sheet's own formula with n turns, and the field solution's rings of
// the innermost n turns.

#include "field/coil_field.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qv::tank {

// Lp and M of the innermost turns as the field solution's rings give them, at every whole turn
// and at the primary's own end (its last, fractional turn): built once per field solution, read
// at any n by straight lines between those points.
struct TurnCurve {
    std::vector<double> turns;    // 0, 1, 2, ..., the primary's turns
    std::vector<double> primaryH; // Lp of that many innermost turns
    std::vector<double> mutualH;  // their mutual inductance with the secondary
};
TurnCurve turnCurve(const field::CoilModel& model);

// Lp(n) and M(n) of the innermost n turns, 0 <= n <= the curve's last count.
double curvePrimaryH(const TurnCurve& curve, double turns);
double curveMutualH(const TurnCurve& curve, double turns);

// A tap: the turns, or why none reaches.
struct Tap {
    std::optional<double> turns;
    std::string reason;
};

// The tap on the field solution's curve, solved exactly on the straight line it falls on.
Tap curveTap(const TurnCurve& curve, double leadH, double neededH);

// The tap by an inductance formula of n turns that rises from 0, up to wholeTurns: the first
// crossing of a fine scan, closed in by bisection.
Tap formulaTap(const std::function<double(double)>& primaryHOfTurns, double wholeTurns, double leadH, double neededH);

} // namespace qv::tank
