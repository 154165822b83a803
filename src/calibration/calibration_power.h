// The changes of the power configuration that prepare a calibration: the
// battery-power values of the active plan, no standby on battery and no
// hibernation, or, where the system keeps no such settings for a program,
// a lock that keeps the computer awake while the calibration runs. Each may
// fail silently; the calibration goes on either way.
#pragma once

#include <string>

namespace voltaro::calibration {

// The parameters window's values for what the calibration will set.
struct PowerParameterTexts {
  std::string lowAction = "Do nothing";      // "Low battery action:"
  std::string criticalLevel = "5%";          // "Critical battery level:"
  std::string criticalAction = "Shut down";  // "Critical battery action:"
  std::string reserveLevel = "0%";           // "Reserve battery level:"
  std::string sleepAndHibernation = "OFF";   // "Sleep and Hibernation:"
};

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

  // What the parameters window says these changes are on this system.
  virtual PowerParameterTexts parameterTexts() { return {}; }
  // Called when a calibration begins or ends, and when a start finds one in
  // progress: a system that keeps the computer awake only on request holds
  // its lock while `running`.
  virtual void keepAwake(bool /*running*/) {}
};

}  // namespace voltaro::calibration
