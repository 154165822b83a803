// readstatus: the status read of the current slot, once per monitoring tick.
// It drives the request cycle, turns a completed reading into the live
// figures and texts, keeps the program's own time estimates, advances a
// running calibration and raises the power-source notices.
#pragma once

#include <cstddef>
#include <string>

#include "battery/battery_context.h"
#include "battery/charge_estimator.h"
#include "battery/request_cycle.h"

namespace voltaro::battery {

class StatusReader {
 public:
  StatusReader(BatteryContext& context, RequestCycle& cycle)
      : c_(context), cycle_(cycle), estimator_(context) {}

  void readstatus();
  // Closes the status handle when it is open.
  void closeStatusHandle();

 private:
  // Opens the status handle at the start of a cycle and reads the tag
  // through it; false when the handle cannot be opened.
  bool startCycle(const std::string& path);
  void processReading(const platform::BatteryStatusRecord& reading);
  void showFigures(const platform::BatteryStatusRecord& reading);
  // The figures of a reading with a known charge.
  void showCharge(std::uint32_t capacity, std::int32_t rate);
  // The battery reports its charge as a percentage (kCapCapacityRelative).
  bool relativeUnits() const;
  std::size_t currentIndex() const;
  void setPowerSource(std::uint32_t powerState);
  void calibrationSteps();
  void notices();
  void showRemaining();
  std::string grouped(const std::string& decimal) const;

  BatteryContext& c_;
  RequestCycle& cycle_;
  ChargeEstimator estimator_;
};

}  // namespace voltaro::battery
