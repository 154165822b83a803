#include "power/power_plans.h"

namespace voltaro::power {

PowerPlans::PowerPlans(platform::PowerPlanTool& tool, PowerHooks& hooks)
    : tool_(tool), hooks_(hooks) {}

bool PowerPlans::refreshPowerPlans() {
  std::vector<PowerPlanEntry> listed = parsePlanListing(tool_.listingFormat(), tool_.listPlans());
  if (listed == plans_) {
    hooks_.enablePowerPlanMenu(!plans_.empty());
    return false;
  }
  plans_ = std::move(listed);
  hooks_.rebuildPowerPlanMenu(plans_);
  hooks_.enablePowerPlanMenu(!plans_.empty());
  return true;
}

void PowerPlans::PopupItemClick(int position) {
  if (position < 0 || static_cast<std::size_t>(position) >= plans_.size()) return;
  const PowerPlanEntry& plan = plans_[static_cast<std::size_t>(position)];
  if (plan.active) return;
  tool_.activatePlan(plan.guidField);
  hooks_.waitForMonitoringIdle();
  refreshPowerPlans();
}

ActivePlan PowerPlans::findActivePlan() {
  refreshPowerPlans();
  ActivePlan found;
  for (std::size_t i = 0; i < plans_.size(); ++i) {
    if (!plans_[i].active) continue;
    found.name = plans_[i].name;
    found.index = static_cast<int>(i) + 1;
  }
  return found;
}

}  // namespace voltaro::power
