// The plan table and the "Power Plan" tray submenu: listing the plans with
// the system's power-plan tool and activating the one the user picks.
#pragma once

#include <string>
#include <vector>

#include "platform/power.h"
#include "power/plan_listing.h"
#include "power/power_hooks.h"

namespace voltaro::power {

struct ActivePlan {
  std::string name = "none";
  int index = 0;  // 1-based; 0 when no plan is marked active
  bool operator==(const ActivePlan&) const = default;
};

class PowerPlans {
 public:
  PowerPlans(platform::PowerPlanTool& tool, PowerHooks& hooks);

  // Lists the plans; when the rows or their count differ from the table, the
  // table and the submenu are rebuilt. The submenu is enabled when it has at
  // least one item. Returns whether it was rebuilt.
  bool refreshPowerPlans();

  // PopupItemClick: `position` is the 0-based position of the clicked item.
  // The active plan is left alone; another one is activated, then the table
  // is refreshed once the monitoring update in progress has finished.
  void PopupItemClick(int position);

  // Refreshes, then names the active plan (the last one marked wins).
  ActivePlan findActivePlan();

  const std::vector<PowerPlanEntry>& plans() const { return plans_; }

 private:
  platform::PowerPlanTool& tool_;
  PowerHooks& hooks_;
  std::vector<PowerPlanEntry> plans_;
};

}  // namespace voltaro::power
