#pragma once
#include <cmath>
#include <cstdint>

namespace vontra {

// Nearest integer, halves to the even one (the game's rounding everywhere).
inline int32_t RoundHalfEven(double value) {
  const double r = std::floor(value);
  const double diff = value - r;
  double result = r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) result = r + 1.0;
  return static_cast<int32_t>(result);
}

}  // namespace vontra
