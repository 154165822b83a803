// The calibration's power changes through the system's "powercfg" tool, run
// through the shell port and waited for.
#pragma once

#include <string_view>

#include "calibration/calibration_power.h"
#include "platform/shell.h"

namespace voltaro::calibration {

// The operating system's published identifiers of the battery settings.
inline constexpr std::string_view kBatterySubgroupGuid = "e73a048d-bf27-4f12-9731-8b2076e8891f";
inline constexpr std::string_view kLowBatteryActionGuid = "d8742dcb-3e6a-4b3c-b3fe-374623cdcf06";
inline constexpr std::string_view kCriticalBatteryLevelGuid =
    "9a66d8d7-4ff7-4ef9-b5a2-5a326ca2a469";
inline constexpr std::string_view kCriticalBatteryActionGuid =
    "637ea02f-bbcb-4015-8e2c-a1c7b9c0b546";
inline constexpr std::string_view kReserveBatteryLevelGuid = "f3c5027d-cd16-4930-aa6b-90db844a8f00";

class PowercfgCalibrationPower final : public CalibrationPower {
 public:
  explicit PowercfgCalibrationPower(platform::Shell& shell) : shell_(shell) {}

  // Four unelevated runs of "-setdcvalueindex " + plan + subgroup + setting
  // + value. The plan field keeps the blank it was cut with, so two blanks
  // follow the plan GUID on the command line.
  void setBatteryValues(const std::string& planId) override;
  // Elevated "-x -standby-timeout-dc 0".
  void disableStandbyOnBattery() override;
  // Elevated "-hibernate off".
  void disableHibernation() override;

 private:
  void setValue(const std::string& planId, std::string_view setting, std::string_view value);

  platform::Shell& shell_;
};

}  // namespace voltaro::calibration
