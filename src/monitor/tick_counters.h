// The sub-rates of the one-second tick: counters that run 1..5, 1..60 and
// 1..2, all 0 before the first tick so that the first tick makes them 1.
#pragma once

#include <cstdint>

namespace voltaro::monitor {

struct TickCounters {
  std::uint8_t five = 0;   // 5: discharge log, alerts, cycle count, history sample
  std::uint8_t sixty = 0;  // 60: minute counters; 35: battery advice
  std::uint8_t two = 0;    // 2: processor sample

  void advance() {
    five = step(five, 5);
    sixty = step(sixty, 60);
    two = step(two, 2);
  }
  bool operator==(const TickCounters&) const = default;

 private:
  static std::uint8_t step(std::uint8_t value, std::uint8_t top) {
    return value >= top ? 1 : static_cast<std::uint8_t>(value + 1);
  }
};

}  // namespace voltaro::monitor
