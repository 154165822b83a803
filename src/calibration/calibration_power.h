// The three changes of the power configuration that prepare a calibration:
// the battery-power values of the active plan, no standby on battery and no
// hibernation. Each may fail silently; the calibration goes on either way.
#pragma once

#include <string>

namespace voltaro::calibration {

class CalibrationPower {
 public:
  virtual ~CalibrationPower() = default;
  // `fix`: low battery action "do nothing", critical level 5 %, critical
  // action "shut down", reserve level 0 %, on battery power only, in the plan
  // whose identifier field the plan listing gave.
  virtual void setBatteryValues(const std::string& planId) = 0;
  // No standby while on battery.
  virtual void disableStandbyOnBattery() = 0;
  virtual void disableHibernation() = 0;
};

}  // namespace voltaro::calibration
