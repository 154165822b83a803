#include "health/health_export.h"

#include "common/file_io.h"

namespace voltaro::health {

HealthExport exportOf(const HealthRecord& record) {
  return {record.calibrations,           record.latestCalibration, record.fullDischargeCycles,
          record.cyclesSinceCalibration, record.usageMinutes,      record.maximumCapacity};
}

std::vector<std::uint8_t> encodeHealthExport(const HealthExport& values) {
  ByteWriter writer;
  writer.u32(values.calibrations);
  writer.u32(values.latestCalibration);
  writer.u32(values.fullDischargeCycles);
  writer.u32(values.cyclesSinceCalibration);
  writer.u32(values.usageMinutes);
  writer.u32(values.maximumCapacity);
  return writer.bytes();
}

std::optional<HealthExport> decodeHealthExport(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHealthExportBytes) return std::nullopt;
  ByteReader reader(bytes);
  HealthExport values;
  values.calibrations = *reader.u32();
  values.latestCalibration = *reader.u32();
  values.fullDischargeCycles = *reader.u32();
  values.cyclesSinceCalibration = *reader.u32();
  values.usageMinutes = *reader.u32();
  values.maximumCapacity = *reader.u32();
  return values;
}

}  // namespace voltaro::health
