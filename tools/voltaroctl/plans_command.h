// `voltaroctl plans`: the power plans as the tray's "Power Plan" submenu
// shows them, and `plans set NAME` to switch to one of them.
#pragma once

#include <optional>
#include <string>

#include "command.h"

namespace voltaro::platform {
class PowerPlanTool;
}

namespace voltaro::tools {

inline constexpr CommandName kPlansCommand{
    "plans", "List the power plans, the active one checked; 'plans set NAME' switches"};

// On the system's power-plan service (power-profiles-daemon on the system
// bus, over Qt D-Bus).
CommandAction definePlansCommand(CLI::App& command);

struct PlansRequest {
  std::optional<std::string> set;  // the plan to switch to; nullopt lists
  bool json = false;
};

// The same on any power-plan tool. Listing: one line per plan, "[x] " before
// the active one and "[ ] " before the others, or one JSON object.
int runPlans(platform::PowerPlanTool& tool, const PlansRequest& request, std::ostream& out,
             std::ostream& err);

}  // namespace voltaro::tools
