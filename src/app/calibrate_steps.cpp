#include "app/calibrate_steps.h"

namespace voltaro::app {

std::int32_t durationDown(std::int32_t minutes) {
  if (minutes > 10) return minutes - 5;
  if (minutes > 1) return minutes - 1;
  return minutes;
}

std::int32_t durationUp(std::int32_t minutes) {
  if (minutes < 10) return minutes + 1;
  if (minutes < 200) return minutes + 5 > 200 ? 200 : minutes + 5;
  return minutes;
}

std::optional<std::uint8_t> stepWithin(std::uint8_t value, int step, int low, int high) {
  const int next = value + step;
  if (next < low || next > high) return std::nullopt;
  return static_cast<std::uint8_t>(next);
}

}  // namespace voltaro::app
