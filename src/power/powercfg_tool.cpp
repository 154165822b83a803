#include "power/powercfg_tool.h"

namespace voltaro::power {

std::string PowercfgTool::listPlans() {
  return shell_.captureOutput("powercfg", {"-list"}, "powercfg.txt");
}

void PowercfgTool::activatePlan(const std::string& planId) {
  shell_.runAndWait(true, "POWERCFG", {"-SETACTIVE", planId}, "");
}

void PowercfgTool::enableStandby() {
  shell_.runAndWait(true, "powercfg", {"-x", "-standby-timeout-dc", "30"}, "");
  shell_.runAndWait(true, "powercfg", {"-x", "-standby-timeout-ac", "30"}, "");
}

void PowercfgTool::setHibernateEnabled(bool on) {
  shell_.runAndWait(true, "powercfg", {"-hibernate", on ? "on" : "off"}, "");
}

}  // namespace voltaro::power
