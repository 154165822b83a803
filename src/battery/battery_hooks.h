// What the battery access code needs from other subsystems: the health store,
// the calibration, the settings store, the system actions, the discharge log,
// the advice check and the left column's time format. The composition root
// implements these with the real subsystems; the defaults do nothing, which is
// harmless for a program without those subsystems (voltaroctl, tests).
#pragma once

#include <cstdint>
#include <string>

namespace voltaro::battery {

class BatteryHooks {
 public:
  virtual ~BatteryHooks() = default;

  // Health store: refreshes the primary battery's maximum capacity, wear,
  // capacity drop and calibration figures (and with `full` its counters and
  // calibration state), writing their texts. Returns true when it wrote the
  // "Capacity Drop" and "Wear" texts and its "Full Discharge Cycles" text is
  // current (config0 then copies it to "Cycles" for a battery without a cycle
  // count); false leaves config0 to write all three as for any other battery.
  virtual bool loadhealth(bool /*full*/) { return false; }

  // Settings store: writes LearnedChargeRate to its file.
  virtual void saveChargeRate() {}

  // Calibration procedure.
  virtual bool calibrationRunning() { return false; }
  virtual void calibrationBatteryDischarged() {}
  // The completion marker file of a calibration ("calib2.txt") exists.
  virtual bool calibrationCompletionMarkerExists() { return false; }
  virtual void recordCompletedCalibration() {}
  // Ends the calibration in its completion mode ("Calibration is complete").
  virtual void endCalibrationCompleted() {}

  // System actions: switches desktop composition on when it is not reported
  // on (asked only when EnableAeroOnAC is set and the computer was plugged in).
  virtual void restoreCompositionOnAc() {}

  // Discharge log: the last logged level, set to 111 on unplugging.
  virtual void setDischargeLogMarker(std::uint8_t /*level*/) {}

  // Monitoring tick: the advice-shown flag is cleared on a full charge.
  virtual void clearAdviceShown() {}

  // The left column's time format (monitor::hm): "1 h 35 m", "35 m".
  virtual std::string hm(std::uint32_t minutes) = 0;
};

}  // namespace voltaro::battery
