// Unit handling of one battery: whether its firmware reports energy (µWh) or
// only charge (µAh), the voltage that turns charge into energy, and the
// conversions into the driver's milli-units, with plausibility limits that
// turn absurd readings into "unknown".
#pragma once

#include <cstdint>
#include <optional>

#include "platform/linux/supply_attributes.h"

namespace voltaro::platform::linux_sysfs {

constexpr std::int64_t kMicroPerMilli = 1000;
constexpr std::int64_t kMicroPerUnit = 1000000;

// Largest readings taken as real; beyond them the attribute is garbage.
constexpr std::int64_t kMaxMicrovolts = 100 * kMicroPerUnit;          // 100 V
constexpr std::int64_t kMaxMicroampHours = 1000 * kMicroPerUnit;      // 1,000 Ah
constexpr std::int64_t kMaxMicroamps = 1000 * kMicroPerUnit;          // 1,000 A
constexpr std::int64_t kMaxMicrowattHours = 10000LL * kMicroPerUnit;  // 10 kWh
constexpr std::int64_t kMaxMicrowatts = 1000000LL * kMicroPerUnit;    // 1 MW

// Charge units are used only when energy_full reads below 0.01 Wh.
constexpr std::int64_t kEnergyUnitsThresholdMicrowattHours = 10000;
// Design voltages at or below 1 V are placeholders, not voltages.
constexpr std::int64_t kMinDesignMicrovolts = 1 * kMicroPerUnit;
constexpr std::int64_t kFallbackDesignMicrovolts = 10 * kMicroPerUnit;  // 10 V

// Energy: µWh attributes. Charge: µAh attributes times a voltage. Relative:
// neither full capacity is reported, only the `capacity` percentage, which
// then is the charge in relative units (a full battery is 100).
enum class UnitKind { Energy, Charge, Relative };

// The full capacity of a battery in relative units.
constexpr std::uint32_t kRelativeFull = 100;

struct UnitChoice {
  UnitKind kind = UnitKind::Energy;
  std::int64_t designMicrovolts = kFallbackDesignMicrovolts;  // µV, converts µAh to µWh
  bool operator==(const UnitChoice&) const = default;
};

// Decides the units from what the battery reports now.
UnitChoice chooseUnits(const SupplyAttributes& battery);

// The first of voltage_max_design, voltage_min_design and voltage_now above
// 1 V; else 10 V.
std::int64_t designMicrovolts(const SupplyAttributes& battery);

// µWh (or µW) to mWh (mW), truncated; nullopt beyond the limits above.
std::optional<std::uint32_t> energyToMilli(std::int64_t microwattHours);
// µAh × µV to mWh (or µA × µV to mW), truncated; nullopt beyond the limits.
std::optional<std::uint32_t> chargeToMilli(std::int64_t microampHours, std::int64_t microvolts);
std::optional<std::uint32_t> currentToMilliwatts(std::int64_t microamps, std::int64_t microvolts);

// An energy-like attribute in mWh: the "energy_" file for energy units, the
// "charge_" file times the design voltage for charge units; nullopt for
// relative units. `suffix` is the part after the prefix ("full", "now",
// "full_design", "avg").
std::optional<std::uint32_t> readMilliwattHours(const SupplyAttributes& battery,
                                                const UnitChoice& units, const char* suffix);

}  // namespace voltaro::platform::linux_sysfs
