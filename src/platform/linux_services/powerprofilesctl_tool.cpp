#include "platform/linux_services/powerprofilesctl_tool.h"

namespace voltaro::platform::linux_services {

std::string PowerProfilesCtlTool::listPlans() {
  return shell_.captureOutput("powerprofilesctl", {"list"}, "powercfg.txt");
}

void PowerProfilesCtlTool::activatePlan(const std::string& planId) {
  // The daemon lets the active session switch profiles without elevation.
  shell_.runAndWait(false, "powerprofilesctl", {"set", planId}, "");
}

}  // namespace voltaro::platform::linux_services
