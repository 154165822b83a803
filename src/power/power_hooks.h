// What power management needs from the tray menu, the main window, the
// monitoring cycle, the settings store and the fast discharge; the
// composition root implements it. The defaults do nothing.
#pragma once

#include <vector>

#include "power/plan_listing.h"

namespace voltaro::power {

class PowerHooks {
 public:
  virtual ~PowerHooks() = default;

  // Tray submenu "Power Plan": replaces its items by one radio item per plan,
  // checked when the plan is active, in table order.
  virtual void rebuildPowerPlanMenu(const std::vector<PowerPlanEntry>& /*plans*/) {}
  virtual void enablePowerPlanMenu(bool /*enabled*/) {}

  // Waits, processing messages, until no monitoring update is in progress.
  virtual void waitForMonitoringIdle() {}

  virtual bool fastDischargeRunning() { return false; }
  // The "D" key: the fast discharge command.
  virtual void fastDischargeCommand() {}

  // Tray item "Green Mode" check mark.
  virtual void setGreenModeChecked(bool /*on*/) {}

  // Tray submenu "Priority": checks the item of the TaskPriority value.
  virtual void checkPriorityItem(int /*taskPriority*/) {}
  // Redraws the four "Task Priority" radio images of the Settings page.
  virtual void redrawPriorityRadios() {}

  // Writes the settings file at once.
  virtual void saveSettings() {}
};

}  // namespace voltaro::power
