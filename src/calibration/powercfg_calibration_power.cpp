#include "calibration/powercfg_calibration_power.h"

namespace voltaro::calibration {

namespace {
constexpr const char* kTool = "powercfg";
}  // namespace

void PowercfgCalibrationPower::setBatteryValues(const std::string& planId) {
  setValue(planId, kLowBatteryActionGuid, "0");       // do nothing
  setValue(planId, kCriticalBatteryLevelGuid, "5");   // percent
  setValue(planId, kCriticalBatteryActionGuid, "3");  // shut down
  setValue(planId, kReserveBatteryLevelGuid, "0");    // percent
}

void PowercfgCalibrationPower::setValue(const std::string& planId, std::string_view setting,
                                        std::string_view value) {
  shell_.runAndWait(false, kTool,
                    {"-setdcvalueindex", planId, std::string(kBatterySubgroupGuid),
                     std::string(setting), std::string(value)},
                    "");
}

void PowercfgCalibrationPower::disableStandbyOnBattery() {
  shell_.runAndWait(true, kTool, {"-x", "-standby-timeout-dc", "0"}, "");
}

void PowercfgCalibrationPower::disableHibernation() {
  shell_.runAndWait(true, kTool, {"-hibernate", "off"}, "");
}

}  // namespace voltaro::calibration
