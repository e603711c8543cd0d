#pragma once
// The printed report's section "Tank Circuit", after "The Coil As It Stands": the tank's inputs,
// then every figure of the Tank Circuit with its unit, section by section as the window shows
// them, a reason where a figure has none. It runs the field solution of the design as it is now.

#include <string>
#include <vector>

namespace qv {

struct Calculator;

inline constexpr const char* kTankCircuitHeading = "Tank Circuit";

std::vector<std::string> tankCircuitLines(const Calculator& calc);

} // namespace qv
