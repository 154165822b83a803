// The calibration procedure: a guided full discharge and recharge of the
// primary battery.
//
// The Calibrate command asks its questions through the pending dialog code;
// the answers come back through the composition root (do_resu), which calls
// the follow-ups here. While a calibration runs, each status reading calls
// the discharge and completion checks, and the state survives restarts in
// the two marker files.
#pragma once

#include <cstdint>
#include <string>

#include "battery/battery_state.h"
#include "calibration/calibration_markers.h"
#include "calibration/calibration_power.h"
#include "dialogs/pending_dialog.h"
#include "health/health_store.h"
#include "logs/calibration_log.h"
#include "power/power_plans.h"
#include "settings/app_settings.h"
#include "view/parameters_port.h"
#include "view/shown_texts.h"
#include "view/status_line.h"

namespace voltaro::calibration {

// The Calibrate page caption whose value shows "On" or "Off".
inline constexpr const char* kCalibrationCaption = "Calibration";

enum class CalibrationEnd : std::uint8_t { Stopped, Completed };

struct CalibrationContext {
  const battery::SlotTable& slots;
  const battery::LiveStatus& live;
  const settings::AppSettings& settings;
  const std::string& dataFolder;  // ends in the path separator
  view::ShownTexts& texts;
  view::ErrorReport& errors;
  dialogs::PendingDialog& dialog;
  view::ParametersPort& parameters;
  health::HealthStore& health;
  logs::CalibrationLog& log;
  power::PowerPlans& plans;
  CalibrationPower& power;
};

class Calibration {
 public:
  explicit Calibration(const CalibrationContext& context);

  // The Calibrate command (control 58, key "C"): asks to stop a running
  // calibration, or checks the battery and asks the preconditions.
  void calibrateCommand();
  // After YES to the high-wear or not-charged question (code 89), and
  // directly when neither applies: looks up the active plan and fills and
  // shows the parameters dialog, or goes on to calstart without plans.
  void prepareCalibration();
  // The parameters dialog's YES (or Enter): fix, calstart, hide.
  void parametersYes();
  // Its NO: hides the dialog; the procedure ends.
  void parametersNo();
  // Writes the four battery-power values into the active plan. Without an
  // active plan there is no plan to write to and nothing runs.
  void fix();
  // Asks to unplug while on external power, else goes to the instructions.
  void calstart();
  // The on-battery start: no standby on battery, no hibernation, then the
  // instructions notice (code 24).
  void instructionsStep();

  // Calibration begin, after OK to the instructions (code 25).
  void beginCalibration();
  void endCalibration(CalibrationEnd kind, bool notify);
  // YES to "Do you want to stop it?" (code 14).
  void stopCalibrationWithoutMessage() { endCalibration(CalibrationEnd::Stopped, false); }

  // --- The seams of the status reading and the health store.
  bool calibrating() const { return calibrating_; }
  // A full read of the primary battery sets the state from the start marker
  // (and the computer is kept awake while it is set).
  void setCalibrating(bool calibrating);
  // The battery is drained (rounded level 7 or less on battery): the
  // discharge marker is written unless it exists.
  void calibrationBatteryDischarged();
  bool calibrationCompletionMarkerExists() const { return markers_.dischargeExists(); }
  // Today as the latest calibration, one more calibration, no cycles since.
  void recordCompletedCalibration();
  void endCalibrationCompleted() { endCalibration(CalibrationEnd::Completed, true); }
  // The capacity entry of the log after a completion; the tick calls it when
  // the calibration log is on, after reading the battery information again.
  void writeCapacityReport();

  const CalibrationMarkers& markers() const { return markers_; }

 private:
  int roundedLevel() const;  // the selected battery's charge level, rounded
  void askNotCharged();
  void showState();
  void log(logs::CalibrationLogEvent event);
  void createMarker(bool written, std::string_view name);

  const battery::SlotTable& slots_;
  const battery::LiveStatus& live_;
  const settings::AppSettings& settings_;
  view::ShownTexts& texts_;
  view::ErrorReport& errors_;
  dialogs::PendingDialog& dialog_;
  view::ParametersPort& parameters_;
  health::HealthStore& health_;
  logs::CalibrationLog& log_;
  power::PowerPlans& plans_;
  CalibrationPower& power_;
  CalibrationMarkers markers_;
  std::string activePlanId_;  // the active plan's identifier field; empty when none
  bool calibrating_ = false;
  bool dischargeFailureReported_ = false;
};

}  // namespace voltaro::calibration
