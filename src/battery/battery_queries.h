// The synchronous battery queries on an open device handle, with the
// program's defaults for a failed call: "None" texts, a zeroed date, zeroed
// information with chemistry "None", and 0 values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/battery_driver.h"

namespace voltaro::battery {

class BatteryQueries {
 public:
  explicit BatteryQueries(platform::BatteryDriver& driver) : driver_(driver) {}

  // Device path of slot 1..4, or nullopt when the set has no such interface.
  std::optional<std::string> resolveSlot(int slot);
  // The battery tag with the driver's 250 ms wait; 0 when there is none.
  std::uint32_t queryTag(platform::DeviceHandle handle);
  // "None" when the tag is 0 or the call fails.
  std::string queryText(platform::DeviceHandle handle, std::uint32_t tag,
                        platform::InfoLevel level);
  platform::BatteryManufactureDate queryDate(platform::DeviceHandle handle, std::uint32_t tag);
  platform::BatteryInformation queryInformation(platform::DeviceHandle handle, std::uint32_t tag);
  // 0 when the tag is 0 or the call fails.
  std::uint32_t queryValue(platform::DeviceHandle handle, std::uint32_t tag,
                           platform::InfoLevel level);

 private:
  platform::BatteryDriver& driver_;
};

}  // namespace voltaro::battery
