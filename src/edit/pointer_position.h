#pragma once

#include <cmath>
#include <optional>

#include "gfx/rounding.h"

namespace pelmora {

// A pointer coordinate in view pixels, rounded to the nearest whole number (halves to even).
// Returns nothing when it lies outside 0 .. last.
inline std::optional<int> viewCoordinate(double value, int last) {
  if (!std::isfinite(value)) return std::nullopt;
  const double rounded = roundHalfToEven(value);
  if (rounded < 0 || rounded > last) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace pelmora
