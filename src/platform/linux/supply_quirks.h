// Work-arounds for what real power-supply drivers report. Each function
// handles one behaviour of real hardware; the comment says which and why the
// driver copes the way it does.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace voltaro::platform::linux_sysfs {

// Rates above this are not a laptop battery's: a firmware glitch.
constexpr std::int64_t kMaxPlausibleRateMilliwatts = 300000;  // 300 W

// Many ACPI and smart-battery drivers report current_now and power_now as a
// positive number whatever the direction, others with a sign (negative while
// discharging). Only the magnitude is trusted; the state gives the sign.
std::int64_t rateMagnitude(std::int64_t reported);

// Some embedded controllers briefly report absurd rates (hundreds of kW, or
// 0xFFFF-style patterns scaled up) around plug events; such a rate is unknown.
bool rateIsImplausible(std::int64_t milliwatts);

// Many firmwares report power_now = 0 while discharging, either for the first
// seconds after unplugging or always; 0 there means "not measured", not "no
// drain", so the rate is unknown and the core falls back to its own estimate.
bool zeroRateWhileDischargingIsUnknown(bool discharging, std::int64_t milliwatts);

// Firmware that does not update energy_full after calibration lets
// energy_now climb above it; the charge never exceeds what the battery holds.
std::uint32_t capacityCappedAtFull(std::uint32_t capacity, std::optional<std::uint32_t> full);

// Embedded controllers that glitch on the bus return energy_now or
// charge_now values far beyond the pack (ones everywhere, a stale word from
// another register). More than twice the full capacity is no charge at all:
// the reading is unknown and the kernel's percentage is used instead.
bool chargeBeyondPack(std::uint32_t now, std::optional<std::uint32_t> full);

// Laptops with two batteries drain one at a time; the waiting one reports
// status "Unknown" (or "Not charging") with a rate of 0 while the adapter is
// out. It is idle, neither discharging nor on line.
bool isIdleSecondBattery(std::string_view status, bool onAc, int batteriesInSet,
                         std::optional<std::int64_t> milliwatts);

// Some chargers leave status at "Unknown" while the adapter is plugged in,
// typically when the charge is held below 100 %; on AC that means on line.
bool unknownStatusMeansOnLine(std::string_view status, bool onAc);

}  // namespace voltaro::platform::linux_sysfs
