// The eight persistent health values of the primary battery, each kept in a
// 4-byte file named from the battery key and a two-character code.
#pragma once

#include <cstdint>
#include <string_view>

namespace voltaro::health {

struct HealthRecord {
  std::uint32_t maximumCapacity = 0;         // key alone; mWh
  std::uint32_t fullDischargeCycles = 0;     // "11"; hundredths of a cycle
  std::uint32_t usageMinutes = 0;            // "22"; minutes on battery
  std::uint32_t latestCalibration = 0;       // "33"; day number
  std::uint32_t calibrations = 0;            // "44"
  std::uint32_t cyclesSinceCalibration = 0;  // "55"; hundredths of a cycle
  std::uint32_t dischargingMinutes = 0;      // "66"
  std::uint32_t chargingMinutes = 0;         // "77"; latest completed charge
  bool operator==(const HealthRecord&) const = default;
};

// File-name suffixes of the values.
inline constexpr std::string_view kMaximumCapacitySuffix = "";
inline constexpr std::string_view kFullDischargeCyclesSuffix = "11";
inline constexpr std::string_view kUsageMinutesSuffix = "22";
inline constexpr std::string_view kLatestCalibrationSuffix = "33";
inline constexpr std::string_view kCalibrationsSuffix = "44";
inline constexpr std::string_view kCyclesSinceCalibrationSuffix = "55";
inline constexpr std::string_view kDischargingMinutesSuffix = "66";
inline constexpr std::string_view kChargingMinutesSuffix = "77";

}  // namespace voltaro::health
