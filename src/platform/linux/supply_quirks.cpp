#include "platform/linux/supply_quirks.h"

namespace voltaro::platform::linux_sysfs {

std::int64_t rateMagnitude(std::int64_t reported) {
  // The most negative value has no magnitude that fits; it is garbage anyway.
  if (reported == INT64_MIN) return INT64_MAX;
  return reported < 0 ? -reported : reported;
}

bool rateIsImplausible(std::int64_t milliwatts) {
  return milliwatts > kMaxPlausibleRateMilliwatts;
}

bool zeroRateWhileDischargingIsUnknown(bool discharging, std::int64_t milliwatts) {
  return discharging && milliwatts == 0;
}

std::uint32_t capacityCappedAtFull(std::uint32_t capacity, std::optional<std::uint32_t> full) {
  if (full && *full > 0 && capacity > *full) return *full;
  return capacity;
}

bool chargeBeyondPack(std::uint32_t now, std::optional<std::uint32_t> full) {
  return full && *full > 0 && now > 2 * static_cast<std::uint64_t>(*full);
}

bool isIdleSecondBattery(std::string_view status, bool onAc, int batteriesInSet,
                         std::optional<std::int64_t> milliwatts) {
  if (onAc || batteriesInSet < 2) return false;
  if (status != "Unknown" && status != "Not charging") return false;
  return !milliwatts || *milliwatts == 0;
}

bool unknownStatusMeansOnLine(std::string_view status, bool onAc) {
  return status == "Unknown" && onAc;
}

}  // namespace voltaro::platform::linux_sysfs
