#include "calibration/sleep_blocking_calibration_power.h"

namespace voltaro::calibration {

namespace {
constexpr const char* kUnchanged = "Unchanged";
}  // namespace

PowerParameterTexts SleepBlockingCalibrationPower::parameterTexts() {
  return PowerParameterTexts{
      .lowAction = kUnchanged,
      .criticalLevel = kUnchanged,
      .criticalAction = kUnchanged,
      .reserveLevel = kUnchanged,
      .sleepAndHibernation = inhibitor_.available() ? "Blocked while calibrating" : kUnchanged,
  };
}

void SleepBlockingCalibrationPower::keepAwake(bool running) {
  if (running) {
    inhibitor_.hold(kCalibrationAwakeReason);
  } else {
    inhibitor_.release();
  }
}

}  // namespace voltaro::calibration
