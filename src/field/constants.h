#pragma once
// Physical constants and the one unit conversion of the field solution (SI inside).

#include <numbers>

namespace qv::field {

inline constexpr double kMu0 = 4e-7 * std::numbers::pi;   // H/m (the pre-2019 defined value, 1e-9 close)
inline constexpr double kEpsilon0 = 8.8541878128e-12;     // F/m (CODATA 2018)
inline constexpr double kMetresPerInch = 0.0254;          // exact by definition
inline constexpr double kMetresPerFoot = 12 * kMetresPerInch;

} // namespace qv::field
