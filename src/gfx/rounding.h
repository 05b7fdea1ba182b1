#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace pelmora {

// Rounds to the nearest integer, an exact half to the even neighbour, whatever rounding mode
// the floating-point environment is in.
inline double roundHalfToEven(double value) {
  const double lower = std::floor(value);
  const double fraction = value - lower;
  if (fraction > 0.5) return lower + 1;
  if (fraction < 0.5) return lower;
  return std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
}

// A number converted to a 32-bit integer: rounded half to even, limited to the type's range,
// and 0 for a value that is not a number.
inline std::int32_t toInt32(double value) {
  constexpr double kLowest = std::numeric_limits<std::int32_t>::lowest();
  constexpr double kHighest = std::numeric_limits<std::int32_t>::max();
  if (std::isnan(value)) return 0;
  const double rounded = roundHalfToEven(value);
  if (rounded <= kLowest) return std::numeric_limits<std::int32_t>::lowest();
  if (rounded >= kHighest) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(rounded);
}

}  // namespace pelmora
