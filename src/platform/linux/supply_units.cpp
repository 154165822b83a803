#include "platform/linux/supply_units.h"

#include <string>

namespace voltaro::platform::linux_sysfs {

namespace {

std::optional<std::int64_t> plausibleVoltage(const SupplyAttributes& battery, const char* name) {
  const auto value = battery.nonNegative(name);
  if (!value || *value > kMaxMicrovolts) return std::nullopt;
  return value;
}

}  // namespace

std::int64_t designMicrovolts(const SupplyAttributes& battery) {
  for (const char* name : {"voltage_max_design", "voltage_min_design", "voltage_now"}) {
    const auto value = plausibleVoltage(battery, name);
    if (value && *value > kMinDesignMicrovolts) return *value;
  }
  return kFallbackDesignMicrovolts;
}

UnitChoice chooseUnits(const SupplyAttributes& battery) {
  UnitChoice choice;
  choice.designMicrovolts = designMicrovolts(battery);
  auto energyFull = battery.nonNegative("energy_full");
  if (!energyFull || *energyFull == 0) energyFull = battery.nonNegative("energy_full_design");
  const bool energyUsable = energyFull && *energyFull >= kEnergyUnitsThresholdMicrowattHours;
  const bool chargeReported = battery.exists("charge_full") ||
                              battery.exists("charge_full_design") || battery.exists("charge_now");
  if (!energyUsable && chargeReported) choice.kind = UnitKind::Charge;
  // Some embedded controllers (and the batteries of many virtual machines)
  // publish only the percentage: with no full capacity in any unit the
  // charge is that percentage. Whether a file exists decides, not whether it
  // reads, so one failed read never switches the scale.
  const bool fullReported = battery.exists("energy_full") || battery.exists("energy_full_design") ||
                            battery.exists("charge_full") || battery.exists("charge_full_design");
  if (!fullReported && battery.exists("capacity")) choice.kind = UnitKind::Relative;
  return choice;
}

std::optional<std::uint32_t> energyToMilli(std::int64_t microwattHours) {
  if (microwattHours < 0 || microwattHours > kMaxMicrowattHours) return std::nullopt;
  return static_cast<std::uint32_t>(microwattHours / kMicroPerMilli);
}

std::optional<std::uint32_t> chargeToMilli(std::int64_t microampHours, std::int64_t microvolts) {
  if (microampHours < 0 || microampHours > kMaxMicroampHours) return std::nullopt;
  if (microvolts < 0 || microvolts > kMaxMicrovolts) return std::nullopt;
  // Both factors are bounded, so the product (at most 1e17) fits.
  const std::int64_t microwattHours = microampHours * microvolts / kMicroPerUnit;
  return energyToMilli(microwattHours);
}

std::optional<std::uint32_t> currentToMilliwatts(std::int64_t microamps, std::int64_t microvolts) {
  if (microamps < 0 || microamps > kMaxMicroamps) return std::nullopt;
  if (microvolts < 0 || microvolts > kMaxMicrovolts) return std::nullopt;
  const std::int64_t microwatts = microamps * microvolts / kMicroPerUnit;
  if (microwatts > kMaxMicrowatts) return std::nullopt;
  return static_cast<std::uint32_t>(microwatts / kMicroPerMilli);
}

std::optional<std::uint32_t> readMilliwattHours(const SupplyAttributes& battery,
                                                const UnitChoice& units, const char* suffix) {
  if (units.kind == UnitKind::Relative) return std::nullopt;
  if (units.kind == UnitKind::Energy) {
    const auto value = battery.nonNegative(std::string("energy_") + suffix);
    if (!value) return std::nullopt;
    return energyToMilli(*value);
  }
  const auto value = battery.nonNegative(std::string("charge_") + suffix);
  if (!value) return std::nullopt;
  return chargeToMilli(*value, units.designMicrovolts);
}

}  // namespace voltaro::platform::linux_sysfs
