// What the engine asks of the notification-area menu: the check marks that
// mirror settings and the power-plan submenu. Every default does nothing,
// so a front end without a menu runs the engine unchanged.
#pragma once

#include <vector>

#include "power/plan_listing.h"
#include "settings/settings_hooks.h"

namespace voltaro::engine {

class TrayMenuPort {
 public:
  virtual ~TrayMenuPort() = default;

  virtual void setTrayCheck(settings::TrayCheck /*item*/, bool /*checked*/) {}
  // Checks the opacity item of this percent (20..100 in steps of 20).
  virtual void checkOpacityItem(int /*percent*/) {}
  // Checks the priority item 1 "Idle" .. 4 "Real-time".
  virtual void checkPriorityItem(int /*priority*/) {}
  virtual void rebuildPowerPlanMenu(const std::vector<power::PowerPlanEntry>& /*plans*/) {}
  virtual void enablePowerPlanMenu(bool /*enabled*/) {}
  virtual void setGreenModeChecked(bool /*on*/) {}
};

}  // namespace voltaro::engine
