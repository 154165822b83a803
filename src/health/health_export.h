// The 24-byte health export file of the Load and Save commands: six unsigned
// 32-bit little-endian values. The discharging and charging times are not
// part of it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "health/health_record.h"

namespace voltaro::health {

constexpr std::size_t kHealthExportBytes = 24;

struct HealthExport {
  std::uint32_t calibrations = 0;            // offset 0
  std::uint32_t latestCalibration = 0;       // offset 4; day number
  std::uint32_t fullDischargeCycles = 0;     // offset 8; hundredths of a cycle
  std::uint32_t cyclesSinceCalibration = 0;  // offset 12; hundredths of a cycle
  std::uint32_t usageMinutes = 0;            // offset 16
  std::uint32_t maximumCapacity = 0;         // offset 20; mWh
  bool operator==(const HealthExport&) const = default;
};

HealthExport exportOf(const HealthRecord& record);

std::vector<std::uint8_t> encodeHealthExport(const HealthExport& values);
// All six values, or nullopt when the file holds fewer than 24 bytes. Bytes
// beyond the 24th are ignored.
std::optional<HealthExport> decodeHealthExport(std::span<const std::uint8_t> bytes);

}  // namespace voltaro::health
