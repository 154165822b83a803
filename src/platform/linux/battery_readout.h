// Turns the attributes of one battery folder into the records and values of
// the battery class driver, in its units: mWh, mV, mW, tenths of a kelvin,
// seconds. Values that cannot be read are the driver's "unknown".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/battery_records.h"
#include "platform/linux/supply_attributes.h"
#include "platform/linux/supply_units.h"

namespace voltaro::platform::linux_sysfs {

// What the status of one battery depends on beyond its own folder.
struct PowerContext {
  bool onAc = false;       // an adapter delivers power
  int batteriesInSet = 1;  // system batteries in the device set
};

// A missing present file means present.
bool batteryPresent(const SupplyAttributes& battery);

// Nonzero hash of manufacturer, model and serial while present; 0 when no
// battery is in the slot.
std::uint32_t batteryTag(const SupplyAttributes& battery);

BatteryInformation readInformation(const SupplyAttributes& battery, const UnitChoice& units);

// Tenths of a kelvin; 0 when absent or implausible.
std::uint32_t readTemperature(const SupplyAttributes& battery);

// Seconds until empty; kUnknownTime when the battery does not say.
std::uint32_t readEstimatedTime(const SupplyAttributes& battery);

// Model name, manufacturer or serial number; nullopt when unavailable.
std::optional<std::string> readText(const SupplyAttributes& battery, InfoLevel level);

// nullopt when any part is absent or out of range.
std::optional<BatteryManufactureDate> readManufactureDate(const SupplyAttributes& battery);

BatteryStatusRecord readStatus(const SupplyAttributes& battery, const UnitChoice& units,
                               const PowerContext& context);

// The four chemistry bytes for a technology text; "None" for Unknown or an
// unlisted technology.
std::array<char, 4> chemistryBytes(const std::optional<std::string>& technology);

}  // namespace voltaro::platform::linux_sysfs
