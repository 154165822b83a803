#include "power/powercfg_tool.h"

namespace voltaro::power {

std::string PowercfgTool::listPlans() {
  return shell_.captureOutput("powercfg", {"-list"}, "powercfg.txt");
}

void PowercfgTool::activatePlan(const std::string& planId) {
  shell_.runAndWait(true, "POWERCFG", {"-SETACTIVE", planId}, "");
}

platform::PowerSettingChange PowercfgTool::enableStandby() {
  const bool battery = shell_.runAndWait(true, "powercfg", {"-x", "-standby-timeout-dc", "30"}, "");
  const bool ac = shell_.runAndWait(true, "powercfg", {"-x", "-standby-timeout-ac", "30"}, "");
  return battery && ac ? platform::PowerSettingChange::Made
                       : platform::PowerSettingChange::NotStarted;
}

platform::PowerSettingChange PowercfgTool::setHibernateEnabled(bool on) {
  return shell_.runAndWait(true, "powercfg", {"-hibernate", on ? "on" : "off"}, "")
             ? platform::PowerSettingChange::Made
             : platform::PowerSettingChange::NotStarted;
}

}  // namespace voltaro::power
