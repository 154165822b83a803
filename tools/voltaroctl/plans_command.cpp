#include "plans_command.h"

#include <ostream>

#include "power/power_plans.h"

namespace voltaro::tools {

namespace {

void printPlans(const std::vector<power::PowerPlanEntry>& plans, std::ostream& out) {
  if (plans.empty()) {
    out << "No power plans (the submenu is disabled)\n";
    return;
  }
  for (const auto& plan : plans) out << (plan.active ? "[x] " : "[ ] ") << plan.name << '\n';
}

int setPlan(power::PowerPlans& plans, const std::string& name, std::ostream& out,
            std::ostream& err) {
  const auto& table = plans.plans();
  for (std::size_t position = 0; position < table.size(); ++position) {
    if (table[position].name != name) continue;
    plans.PopupItemClick(static_cast<int>(position));
    printPlans(plans.plans(), out);
    // The service may refuse the switch without an error of its own.
    if (plans.findActivePlan().name == name) return 0;
    err << "voltaroctl plans: the power plan '" << name << "' did not become active\n";
    return 1;
  }
  err << "voltaroctl plans: no power plan named '" << name << "'\n";
  return 1;
}

}  // namespace

const char* plansUsage() {
  return "voltaroctl plans            list the power plans, the active one checked\n"
         "voltaroctl plans set NAME   switch to the power plan NAME\n";
}

int runPlansCommandWith(platform::PowerPlanTool& tool, const std::vector<std::string>& args,
                        std::ostream& out, std::ostream& err) {
  const bool list = args.empty();
  const bool set = args.size() == 2 && args[0] == "set";
  if (!list && !set) {
    err << plansUsage();
    return 2;
  }
  power::PowerHooks hooks;
  power::PowerPlans plans(tool, hooks);
  plans.refreshPowerPlans();
  if (list) {
    printPlans(plans.plans(), out);
    return 0;
  }
  return setPlan(plans, args[1], out, err);
}

}  // namespace voltaro::tools
