// State of the battery access subsystem: the four-slot table, the two
// asynchronous requests, the information record and the live status figures.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "common/day_number.h"
#include "platform/battery_driver.h"

namespace voltaro::battery {

constexpr int kSlotCount = 4;

struct BatteryDevice {
  bool interfacePresent = false;
  bool batteryPresent = false;
  std::string devicePath;  // empty when not found
  std::uint32_t tag = 0;   // 0 = no battery
};

struct SlotTable {
  std::array<BatteryDevice, kSlotCount> slots{};  // slots[0] is slot 1
  std::uint8_t slotCount = 0;
  std::uint8_t batteryCount = 0;
  int currentSlot = 1;  // 1..4, the battery shown
  int primarySlot = 1;  // 1..4, the battery whose health record is kept
  bool deviceSetValid = false;
  platform::DeviceHandle statusHandle = platform::kInvalidHandle;

  BatteryDevice& slot(int number) { return slots[static_cast<std::size_t>(number - 1)]; }
  const BatteryDevice& slot(int number) const {
    return slots[static_cast<std::size_t>(number - 1)];
  }
};

struct BatteryRequest {
  bool issue = true;
  bool done = false;
  bool abandoned = false;
  std::uint8_t pollsLeft = 10;

  bool finished() const { return done || abandoned; }
  void restart() { *this = BatteryRequest{}; }
};

// The status request and the estimated-time request of one cycle.
struct BatteryRequests {
  BatteryRequest status;
  BatteryRequest estimate;

  bool bothFinished() const { return status.finished() && estimate.finished(); }
  bool bothAbandoned() const { return status.abandoned && estimate.abandoned; }
  bool atCycleStart() const { return status.issue && estimate.issue; }
};

// The decoded information of the battery last read.
struct BatteryInfo {
  std::string deviceName = "None";
  std::string manufacturer = "None";
  std::string serialNumber = "None";
  platform::BatteryManufactureDate manufactureDate{};
  platform::BatteryInformation information{};
  std::uint32_t temperature = 0;  // tenths of a kelvin

  // Of the primary battery only: reads of other slots leave them alone.
  std::string identity;    // device name, manufacturer, serial and date texts joined
  std::string batteryKey;  // file-name stem of the health files; empty until read
};

// The live figures that readstatus leaves behind for every other subsystem.
struct LiveStatus {
  platform::BatteryStatusRecord reading{};  // last completed reading
  std::uint32_t lastCapacity = 0;           // mWh
  std::int32_t lastRate = 0;                // mW
  bool onPower = true;
  bool previousOnPower = true;
  bool charging = false;
  std::array<float, kSlotCount> chargePercent{};    // 0..100 per slot
  std::array<float, kSlotCount> previousPercent{};  // 111 after a battery switch
  std::array<std::uint32_t, kSlotCount> remainingSeconds{};
  std::uint32_t dischargeEstimate = 0;  // seconds
  std::uint32_t chargeEstimate = 0;     // seconds
  std::uint32_t estimatedTime = 0;      // seconds, from the estimate request

  // Learned charge estimator.
  DayTime estimatorStart = 0;  // 0 = not running
  DayTime estimatorLastChange = 0;
  std::uint32_t estimatorStartCapacity = 0;
  std::uint32_t estimatorLastChangeCapacity = 0;
  std::uint32_t estimatorChanges = 0;

  float percent(int slot) const { return chargePercent[static_cast<std::size_t>(slot - 1)]; }
  std::uint32_t remaining(int slot) const {
    return remainingSeconds[static_cast<std::size_t>(slot - 1)];
  }
};

}  // namespace voltaro::battery
