#include "monitor/tray_hint.h"

#include "monitor/time_texts.h"

namespace voltaro::monitor {

namespace {

// "57 %", or "None" while the charge is unknown.
std::string percentText(const std::optional<int>& percent) {
  return percent ? std::to_string(*percent) + " %" : std::string("None");
}

std::string onPowerHint(const TrayHintInput& in) {
  const std::string p = percentText(in.percent);
  const std::string n = std::to_string(in.slot);
  const bool several = in.batteryCount > 1;
  if (in.percent == 100) {
    return several ? "Running on AC Power\r\nBattery " + n + " is fully charged"
                   : "Running on AC Power\r\nBattery is fully charged";
  }
  const std::string first =
      in.charging ? "Running on AC Power, charging\r\n" : "Running on AC Power, not charging\r\n";
  return several ? first + "Battery " + n + " capacity:   " + p
                 : first + "Battery capacity:   " + p;
}

std::string onBatteryHint(const TrayHintInput& in) {
  const std::string p = percentText(in.percent);
  const std::string r = in.remainingSeconds ? hrmin(*in.remainingSeconds) : std::string("None");
  if (in.batteryCount > 1) {
    return "Battery " + std::to_string(in.slot) + " selected, discharging" + "\r\n" +
           "Capacity:    " + p + "\r\n" + "Remaining: " + r;
  }
  return "Running on Battery, discharging\r\nCapacity:      " + p + "\r\n" + "Remaining:  " + r;
}

}  // namespace

std::string trayHint(const TrayHintInput& in) {
  std::string hint;
  if (in.batteryCount == 0) {
    hint = "No Battery!";
  } else {
    hint = in.onPower ? onPowerHint(in) : onBatteryHint(in);
  }
  if (in.fastDischarge) hint += "\r\nFast discharge enabled";
  if (in.calibration) hint += "\r\nCalibration enabled";
  return hint;
}

}  // namespace voltaro::monitor
