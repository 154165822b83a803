// The follow-up actions of the answered questions. They belong to the fast
// discharge, the calibration, the settings, the health store, the update
// check and the exit procedure; the composition root implements them. The
// defaults do nothing, so a missing subsystem leaves its answers without
// effect.
#pragma once

namespace voltaro::dialogs {

class DialogHooks {
 public:
  virtual ~DialogHooks() = default;

  // Fast discharge.
  virtual void stopFastDischarge() {}
  // Repeats the start request after the "unplug" question (it asks again
  // while external power is still connected).
  virtual void requestFastDischargeStart() {}
  virtual void startFastDischarge() {}

  // Calibration.
  virtual void stopCalibrationWithoutMessage() {}
  virtual bool isOnExternalPower() { return false; }
  // Asks the "unplug to start the calibration" question again.
  virtual void askCalibrationUnplug() {}
  // The on-battery start: shows the three-step calibration notice.
  virtual void startCalibrationOnBattery() {}
  virtual void beginCalibration() {}
  // Fills and shows the parameters dialog before a calibration.
  virtual void prepareCalibration() {}

  // Program, settings, health and update.
  virtual void exitProcedure() {}
  virtual void applyDefaultSettings() {}
  virtual void resetHealthData() {}
  virtual void downloadNewVersion() {}
};

}  // namespace voltaro::dialogs
