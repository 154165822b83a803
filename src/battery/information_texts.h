// The texts of the Information page and the left column's mode, decoded
// from the driver's records.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/battery_records.h"

namespace voltaro::battery {

// The four chemistry bytes (a 0 byte ends them), replaced by a name when
// their upper-case form is a known code: "LION" reads "Lithium Ion".
std::string chemistryText(const std::array<char, 4>& chemistry);

// "General Power", "Charge Supported", "Discharge Supported" or "Fail-safe
// operation": the last set flag of that order wins, a system battery always
// reads "General Power".
std::string capabilitiesText(std::uint32_t capabilities);

// "Rechargeable" or "Nonrechargeable".
std::string technologyText(std::uint8_t technology);

// "15-3-2012"; "None" when the day is 0.
std::string manufactureDateText(const platform::BatteryManufactureDate& date);

// Degrees Celsius with two decimals and the unit ("29.95   C"); "None" for
// 0 and 0xFFFFFFFF. `tenthsKelvin` is in tenths of a kelvin.
std::string temperatureText(std::uint32_t tenthsKelvin);

// "Charging", "AC Power", "Critical" or "Discharging" from the power state
// flags; "AC Power" when no flag is set.
std::string modeText(std::uint32_t powerState, bool charging);

}  // namespace voltaro::battery
