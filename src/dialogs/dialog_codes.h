// The pending dialog codes of the questions and notices. A question asked
// with code c is answered YES or OK with c + 1 and NO with c + 2; no negative
// answer equals the affirmative answer of another question.
#pragma once

#include <cstdint>

namespace voltaro::dialogs {

using DialogCode = std::uint8_t;

namespace code {
inline constexpr DialogCode kNone = 0;
inline constexpr DialogCode kFastDischargeRunning =
    2;  // "Fast Discharge process is already running!"
inline constexpr DialogCode kFastDischargeUnplug = 5;    // unplug to start the fast discharge
inline constexpr DialogCode kFastDischargeOverheat = 8;  // overheating warning with the duration
inline constexpr DialogCode kCalibrationRunning = 13;  // "Calibration process is already running!"
inline constexpr DialogCode kSelectBattery = 16;       // "Please select Battery " + number
inline constexpr DialogCode kCalibrationUnplug = 21;   // unplug to start the calibration
inline constexpr DialogCode kCalibrationSteps = 24;    // the three-step calibration notice
inline constexpr DialogCode kCloseProgram = 33;        // "Close " + product title + "?"
inline constexpr DialogCode kDefaultSettings = 38;  // "Do you want to load the default settings?"
inline constexpr DialogCode kStopAndSelectBattery = 43;  // stop both, select Battery 1
inline constexpr DialogCode kResetHealth = 45;  // "Do you want to reset the calibration/wear data?"
inline constexpr DialogCode kNewVersion = 48;   // a new version is available
inline constexpr DialogCode kBatteryAlert = 51;         // the critical alert's message
inline constexpr DialogCode kPowerNotice = 60;          // "Standby" and "Hibernate" enabled
inline constexpr DialogCode kCalibrationCheck = 88;     // wear above 50 % or battery not full
inline constexpr DialogCode kCalibrationComplete = 91;  // "Calibration is complete"
}  // namespace code

constexpr DialogCode affirmativeAnswer(DialogCode asked) {
  return static_cast<DialogCode>(asked + 1);
}
constexpr DialogCode negativeAnswer(DialogCode asked) {
  return static_cast<DialogCode>(asked + 2);
}

}  // namespace voltaro::dialogs
