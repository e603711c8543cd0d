#pragma once
// The printed report's section "The Coil As It Stands", after the scratch pad: where the coil
// stands, then every Coil Analysis figure beside its classic figure, with units, so the paper
// carries the figures a builder should trust and not only the sheets'. It runs the field solution
// of the design as it is now.

#include <string>
#include <vector>

namespace qv {

struct Calculator;

inline constexpr const char* kCoilAsItStandsHeading = "The Coil As It Stands";

std::vector<std::string> coilAsItStandsLines(const Calculator& calc);

} // namespace qv
