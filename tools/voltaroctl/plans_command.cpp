#include "plans_command.h"

#include <nlohmann/json.hpp>
#include <ostream>

#include "power/power_plans.h"

namespace voltaro::tools {

namespace {

void printPlans(const std::vector<power::PowerPlanEntry>& plans, bool json, std::ostream& out) {
  if (json) {
    nlohmann::ordered_json listing;
    listing["plans"] = nlohmann::ordered_json::array();
    listing["active"] = nullptr;
    for (const auto& plan : plans) {
      listing["plans"].push_back({{"name", plan.name}, {"active", plan.active}});
      if (plan.active) listing["active"] = plan.name;
    }
    out << listing.dump() << '\n';
    return;
  }
  if (plans.empty()) {
    out << "No power plans (the submenu is disabled)\n";
    return;
  }
  for (const auto& plan : plans) out << (plan.active ? "[x] " : "[ ] ") << plan.name << '\n';
}

int setPlan(power::PowerPlans& plans, const std::string& name, bool json, std::ostream& out,
            std::ostream& err) {
  const auto& table = plans.plans();
  for (std::size_t position = 0; position < table.size(); ++position) {
    if (table[position].name != name) continue;
    plans.PopupItemClick(static_cast<int>(position));
    printPlans(plans.plans(), json, out);
    // The service may refuse the switch without an error of its own.
    if (plans.findActivePlan().name == name) return kExitDone;
    err << "voltaroctl plans: the power plan '" << name << "' did not become active\n";
    return kExitFailed;
  }
  err << "voltaroctl plans: no power plan named '" << name << "'\n";
  return kExitFailed;
}

}  // namespace

int runPlans(platform::PowerPlanTool& tool, const PlansRequest& request, std::ostream& out,
             std::ostream& err) {
  power::PowerHooks hooks;
  power::PowerPlans plans(tool, hooks);
  plans.refreshPowerPlans();
  if (!request.set) {
    printPlans(plans.plans(), request.json, out);
    return kExitDone;
  }
  return setPlan(plans, *request.set, request.json, out, err);
}

}  // namespace voltaro::tools
