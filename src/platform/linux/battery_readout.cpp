#include "platform/linux/battery_readout.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/linux/supply_quirks.h"

namespace voltaro::platform::linux_sysfs {

namespace {

constexpr std::uint32_t kFnvOffset = 2166136261u;
constexpr std::uint32_t kFnvPrime = 16777619u;

// temp is in tenths of a degree Celsius; outside this range the sensor is
// broken or the value is a firmware placeholder.
constexpr std::int64_t kMinTenthsCelsius = -1000;               // -100 °C
constexpr std::int64_t kMaxTenthsCelsius = 2000;                // 200 °C
constexpr std::int64_t kZeroCelsiusInTenthsKelvinFloor = 2731;  // 273.15 K = 2731.5

constexpr std::int64_t kMinYear = 1970;
constexpr std::int64_t kMaxYear = 2200;

std::uint32_t fnv1a(std::uint32_t hash, std::string_view text) {
  for (char c : text) {
    hash ^= static_cast<std::uint8_t>(c);
    hash *= kFnvPrime;
  }
  return hash;
}

std::optional<std::uint32_t> fullCapacity(const SupplyAttributes& battery,
                                          const UnitChoice& units) {
  const auto full = readMilliwattHours(battery, units, "full");
  if (full && *full > 0) return full;
  return readMilliwattHours(battery, units, "full_design");
}

std::optional<std::uint32_t> alarmLevel(const SupplyAttributes& battery, const UnitChoice& units) {
  const auto alarm = battery.nonNegative("alarm");
  if (!alarm) return std::nullopt;
  switch (units.kind) {
    case UnitKind::Energy:
      return energyToMilli(*alarm);
    case UnitKind::Charge:
      return chargeToMilli(*alarm, units.designMicrovolts);
    case UnitKind::Relative:
      return std::nullopt;  // an energy or charge level has no percentage
  }
  return std::nullopt;
}

std::optional<std::uint32_t> voltageMillivolts(const SupplyAttributes& battery) {
  for (const char* name : {"voltage_now", "voltage_avg"}) {
    const auto value = battery.nonNegative(name);
    if (value && *value <= kMaxMicrovolts)
      return static_cast<std::uint32_t>(*value / kMicroPerMilli);
  }
  return std::nullopt;
}

// The kernel's own percentage, when it gives a believable one.
std::optional<std::uint32_t> capacityPercent(const SupplyAttributes& battery) {
  const auto percent = battery.integer("capacity");
  if (!percent || *percent < 0 || *percent > 100) return std::nullopt;
  return static_cast<std::uint32_t>(*percent);
}

// The present charge in the battery's units, or nullopt when it cannot be
// read: the reading of that moment is then unknown, never empty.
std::optional<std::uint32_t> presentCharge(const SupplyAttributes& battery,
                                           const UnitChoice& units) {
  if (units.kind == UnitKind::Relative) return capacityPercent(battery);
  const auto full = fullCapacity(battery, units);
  auto now = readMilliwattHours(battery, units, "now");
  if (!now) now = readMilliwattHours(battery, units, "avg");
  if (now && !chargeBeyondPack(*now, full)) return capacityCappedAtFull(*now, full);
  // The same figure the kernel's percentage is taken from, as the peers do
  // for batteries whose energy or charge attribute is missing or failing.
  const auto percent = capacityPercent(battery);
  if (!full || !percent) return std::nullopt;
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(*full) * *percent / 100);
}

// Rate magnitude in mW, or nullopt when the battery gives none.
std::optional<std::int64_t> rateMilliwatts(const SupplyAttributes& battery,
                                           const UnitChoice& units) {
  // A relative rate would be percent per hour, which no attribute gives.
  if (units.kind == UnitKind::Relative) return std::nullopt;
  if (units.kind == UnitKind::Energy) {
    if (const auto power = battery.integer("power_now")) {
      const std::int64_t magnitude = rateMagnitude(*power);
      if (magnitude > kMaxMicrowatts) return kMaxMicrowatts / kMicroPerMilli;
      return magnitude / kMicroPerMilli;
    }
  }
  const auto current = battery.integer("current_now");
  if (!current) return std::nullopt;
  std::int64_t microvolts = units.designMicrovolts;
  if (units.kind == UnitKind::Energy) {
    const auto now = battery.nonNegative("voltage_now");
    if (now && *now > kMinDesignMicrovolts && *now <= kMaxMicrovolts) microvolts = *now;
  }
  const auto milliwatts = currentToMilliwatts(rateMagnitude(*current), microvolts);
  // A current too large to convert is as implausible as a huge power.
  if (!milliwatts) return kMaxMicrowatts / kMicroPerMilli;
  return *milliwatts;
}

std::uint32_t powerStateFromStatus(std::string_view status, bool onAc) {
  if (status == "Discharging") return kDischarging;
  if (status == "Charging") return kCharging | kPowerOnLine;
  if (status == "Full" || status == "Not charging") return kPowerOnLine;
  if (unknownStatusMeansOnLine(status, onAc)) return kPowerOnLine;
  return kDischarging;  // "Unknown", absent or unreadable while off AC
}

}  // namespace

bool batteryPresent(const SupplyAttributes& battery) {
  if (!battery.exists("type")) return false;  // the folder itself has gone
  const auto present = battery.integer("present");
  return !present || *present != 0;
}

std::uint32_t batteryTag(const SupplyAttributes& battery) {
  if (!batteryPresent(battery)) return 0;
  std::uint32_t hash = kFnvOffset;
  for (const char* name : {"manufacturer", "model_name", "serial_number"}) {
    hash = fnv1a(hash, battery.text(name).value_or(""));
    hash = fnv1a(hash, "\n");  // keeps "AB"+"C" apart from "A"+"BC"
  }
  return hash == 0 ? 1 : hash;
}

std::array<char, 4> chemistryBytes(const std::optional<std::string>& technology) {
  static constexpr std::pair<std::string_view, std::array<char, 4>> kTable[] = {
      {"Li-ion", {'L', 'I', 'O', 'N'}}, {"Li-poly", {'L', 'I', 'P', ' '}},
      {"NiMH", {'N', 'I', 'M', 'H'}},   {"NiCd", {'N', 'I', 'C', 'D'}},
      {"LiFe", {'L', 'I', 'F', 'E'}},   {"LiMn", {'L', 'I', 'M', 'N'}},
  };
  if (technology) {
    for (const auto& [name, bytes] : kTable) {
      if (*technology == name) return bytes;
    }
  }
  return {'N', 'o', 'n', 'e'};
}

BatteryInformation readInformation(const SupplyAttributes& battery, const UnitChoice& units) {
  BatteryInformation info;
  info.capabilities = kCapSystemBattery;
  info.technology = 1;  // every battery the kernel lists is rechargeable
  info.chemistry = chemistryBytes(battery.text("technology"));
  if (units.kind == UnitKind::Relative) {
    info.capabilities |= kCapCapacityRelative;
    info.designedCapacity = kRelativeFull;
    info.fullChargedCapacity = kRelativeFull;
  } else {
    info.designedCapacity = readMilliwattHours(battery, units, "full_design").value_or(0);
    // A new battery's energy_full may exceed its design value; it is passed
    // on as reported, and the wear figures read that as no wear.
    info.fullChargedCapacity = fullCapacity(battery, units).value_or(0);
  }
  // The kernel's ACPI driver starts alarm at the design warning level; the
  // low level has no attribute.
  info.defaultAlert2 = alarmLevel(battery, units).value_or(0);
  const auto cycles = battery.integer("cycle_count");
  if (cycles && *cycles > 0 && *cycles <= UINT32_MAX) {
    info.cycleCount = static_cast<std::uint32_t>(*cycles);
  }
  return info;
}

std::uint32_t readTemperature(const SupplyAttributes& battery) {
  const auto tenthsCelsius = battery.integer("temp");
  if (!tenthsCelsius || *tenthsCelsius < kMinTenthsCelsius || *tenthsCelsius > kMaxTenthsCelsius) {
    return 0;
  }
  // t + 2731.5 always ends in .5: halves go to the even neighbour.
  const std::int64_t below = *tenthsCelsius + kZeroCelsiusInTenthsKelvinFloor;
  return static_cast<std::uint32_t>(below % 2 == 0 ? below : below + 1);
}

std::uint32_t readEstimatedTime(const SupplyAttributes& battery) {
  const auto seconds = battery.integer("time_to_empty_now");
  // Drivers write 0 when they have no estimate (on AC, or not yet measured).
  if (!seconds || *seconds <= 0 || *seconds >= kUnknownTime) return kUnknownTime;
  return static_cast<std::uint32_t>(*seconds);
}

std::optional<std::string> readText(const SupplyAttributes& battery, InfoLevel level) {
  switch (level) {
    case InfoLevel::DeviceName:
      return battery.text("model_name");
    case InfoLevel::ManufactureName:
      return battery.text("manufacturer");
    case InfoLevel::SerialNumber:
      return battery.text("serial_number");
    case InfoLevel::Information:
    case InfoLevel::Temperature:
    case InfoLevel::EstimatedTime:
    case InfoLevel::ManufactureDate:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<BatteryManufactureDate> readManufactureDate(const SupplyAttributes& battery) {
  const auto year = battery.integer("manufacture_year");
  const auto month = battery.integer("manufacture_month");
  const auto day = battery.integer("manufacture_day");
  if (!year || !month || !day) return std::nullopt;
  if (*year < kMinYear || *year > kMaxYear || *month < 1 || *month > 12 || *day < 1 || *day > 31) {
    return std::nullopt;
  }
  return BatteryManufactureDate{static_cast<std::uint8_t>(*day), static_cast<std::uint8_t>(*month),
                                static_cast<std::uint16_t>(*year)};
}

BatteryStatusRecord readStatus(const SupplyAttributes& battery, const UnitChoice& units,
                               const PowerContext& context) {
  BatteryStatusRecord status;
  const std::string statusText = battery.text("status").value_or("Unknown");
  const auto rate = rateMilliwatts(battery, units);
  status.capacity = presentCharge(battery, units).value_or(kUnknownCapacity);
  status.voltage = voltageMillivolts(battery).value_or(kUnknownVoltage);
  if (isIdleSecondBattery(statusText, context.onAc, context.batteriesInSet, rate)) {
    status.powerState = 0;
    status.rate = 0;
    return status;
  }
  status.powerState = powerStateFromStatus(statusText, context.onAc);
  if (battery.text("capacity_level") == "Critical") status.powerState |= kCritical;
  const bool discharging = (status.powerState & kDischarging) != 0;
  if (!rate || rateIsImplausible(*rate) || zeroRateWhileDischargingIsUnknown(discharging, *rate)) {
    status.rate = static_cast<std::int32_t>(kUnknownRate);
    return status;
  }
  status.rate = static_cast<std::int32_t>(discharging ? -*rate : *rate);
  return status;
}

}  // namespace voltaro::platform::linux_sysfs
