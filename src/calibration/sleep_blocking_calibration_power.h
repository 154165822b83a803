// The calibration's power changes where the system keeps no battery-only
// idle actions for a program to change (Linux): the plan and the system's
// own low-battery actions stay as they are, and a sleep inhibitor keeps the
// computer from idling or sleeping into standby while a calibration runs, so
// the discharge reaches the critical level.
#pragma once

#include "calibration/calibration_power.h"
#include "platform/sleep_inhibitor.h"

namespace voltaro::calibration {

// The reason the desktop shows for the lock.
inline constexpr const char* kCalibrationAwakeReason =
    "A battery calibration is running: the battery must run down to its critical level";

class SleepBlockingCalibrationPower final : public CalibrationPower {
 public:
  explicit SleepBlockingCalibrationPower(platform::SleepInhibitor& inhibitor)
      : inhibitor_(inhibitor) {}

  void setBatteryValues(const std::string& /*planId*/) override {}
  void disableStandbyOnBattery() override {}
  void disableHibernation() override {}
  // "Unchanged" for the plan's values; sleep "Blocked while calibrating"
  // when the inhibitor can be had, else "Unchanged" too.
  PowerParameterTexts parameterTexts() override;
  void keepAwake(bool running) override;

 private:
  platform::SleepInhibitor& inhibitor_;
};

}  // namespace voltaro::calibration
