// config0: reads the static information of the current slot's battery,
// writes the Information page and the left column's "Wear" and "Cycles", and
// for the primary battery builds BatteryKey and refreshes its health figures.
#pragma once

#include <cstdint>
#include <string>

#include "battery/battery_context.h"

namespace voltaro::battery {

class InformationReader {
 public:
  explicit InformationReader(BatteryContext& context) : c_(context) {}

  // `full` also re-reads the primary battery's stored counters and
  // calibration state. The caller holds the busy flag. A read that stops
  // early (no device set, no interface, open failure, no battery) leaves
  // every text as it was.
  void config0(bool full);

 private:
  void readTexts(platform::DeviceHandle handle, std::uint32_t tag, bool primary);
  void showInformation(bool full, bool primary);
  // Wear and capacity drop of a battery without a health record; "None" for
  // one whose capacities are relative.
  void showWearOfOtherSlot(bool relative);
  void showCycles(bool primary);
  std::string grouped(std::uint32_t value) const;

  BatteryContext& c_;
};

}  // namespace voltaro::battery
