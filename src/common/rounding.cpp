// Rounding rules of the program: halves to the even neighbour, or truncation.
#include "common/rounding.h"

#include <cmath>
#include <limits>

namespace voltaro {
namespace {

// Values outside the 64-bit range (and NaN) would make the cast undefined;
// they are clamped, NaN counting as 0.
std::int64_t clampToInt64(double whole) {
  if (std::isnan(whole)) return 0;
  constexpr double kLimit = 9223372036854775807.0;  // 2^63, first value out of range
  if (whole >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (whole < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(whole);
}

}  // namespace

std::int64_t roundHalfEven(double value) {
  if (!std::isfinite(value)) return clampToInt64(value);
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction > 0.5) return clampToInt64(below + 1.0);
  if (fraction < 0.5) return clampToInt64(below);
  const bool belowIsEven = std::fmod(below, 2.0) == 0.0;
  return clampToInt64(belowIsEven ? below : below + 1.0);
}

std::int64_t truncateTowardZero(double value) {
  return clampToInt64(std::trunc(value));
}

}  // namespace voltaro
