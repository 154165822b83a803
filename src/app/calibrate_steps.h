// The steps of the Calibrate page's fast-discharge parameters.
#pragma once

#include <cstdint>
#include <optional>

namespace voltaro::app {

// Duration in minutes, 1..200: down by 5 above 10, else by 1 above 1; up by
// 1 below 10, else by 5 below 200.
std::int32_t durationDown(std::int32_t minutes);
std::int32_t durationUp(std::int32_t minutes);

// A value stepped by one within [low, high]; nullopt beyond the range (the
// caller plays the refusal sound).
std::optional<std::uint8_t> stepWithin(std::uint8_t value, int step, int low, int high);

}  // namespace voltaro::app
