// State of the battery access subsystem: the four-slot table, the two
// asynchronous requests, the information record and the live status figures.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
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
// A figure that could not be read is unknown (nullopt), never 0: a reading
// without a charge keeps the last good figures.
struct LiveStatus {
  platform::BatteryStatusRecord reading{};  // last completed reading
  std::uint32_t lastCapacity = 0;           // mWh
  std::int32_t lastRate = 0;                // mW
  bool onPower = true;
  bool previousOnPower = true;
  bool charging = false;
  // 0..100 per slot; unknown until a reading with a charge arrives, and for
  // a battery whose full-charged capacity is unknown.
  std::array<std::optional<float>, kSlotCount> chargePercent{};
  std::array<float, kSlotCount> previousPercent{};  // 111 after a battery switch
  // Seconds per slot; unknown when neither the driver nor the rate gives an
  // estimate, and on external power without a charge estimate.
  std::array<std::optional<std::uint32_t>, kSlotCount> remainingSeconds{};
  std::uint32_t dischargeEstimate = 0;  // seconds, 0 = none
  std::uint32_t chargeEstimate = 0;     // seconds, 0 = none
  std::uint32_t estimatedTime = 0;      // seconds from the estimate request, 0 = unknown

  // Learned charge estimator.
  DayTime estimatorStart = 0;  // 0 = not running
  DayTime estimatorLastChange = 0;
  std::uint32_t estimatorStartCapacity = 0;
  std::uint32_t estimatorLastChangeCapacity = 0;
  std::uint32_t estimatorChanges = 0;

  std::optional<float> knownPercent(int slot) const { return chargePercent[index(slot)]; }
  std::optional<std::uint32_t> knownRemaining(int slot) const {
    return remainingSeconds[index(slot)];
  }
  // For drawing only: the known percent, or an empty battery while unknown.
  float percent(int slot) const { return knownPercent(slot).value_or(0.0f); }
  // The known remaining seconds, or 0 while unknown (the texts' "None").
  std::uint32_t remaining(int slot) const { return knownRemaining(slot).value_or(0); }
  // A battery left or was replaced: nothing is known of the slot any more.
  void forgetSlot(int slot) {
    chargePercent[index(slot)].reset();
    remainingSeconds[index(slot)].reset();
  }
  // A new cycle of readings begins (recovery, another battery): the figures
  // of the last reading no longer describe the battery shown.
  void forgetReading() {
    lastCapacity = 0;
    lastRate = 0;
    dischargeEstimate = 0;
    chargeEstimate = 0;
    estimatedTime = 0;
  }

 private:
  static std::size_t index(int slot) { return static_cast<std::size_t>(slot - 1); }
};

}  // namespace voltaro::battery
