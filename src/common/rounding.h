// Rounding rules of the program: halves to the even neighbour, or truncation.
#pragma once

#include <cstdint>

namespace voltaro {

// Nearest integer, halves to even (87.5 -> 88, 86.5 -> 86, -2.5 -> -2).
std::int64_t roundHalfEven(double value);

// Drops the fraction toward zero.
std::int64_t truncateTowardZero(double value);

}  // namespace voltaro
