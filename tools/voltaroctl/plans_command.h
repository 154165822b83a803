// voltaroctl plans: the power plans as the tray's "Power Plan" submenu shows
// them, and switching to one of them by name.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/power.h"

namespace voltaro::tools {

// The command on the system's power-plan service (power-profiles-daemon on
// the system bus). Absent from builds without Qt D-Bus.
int runPlansCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
const char* plansUsage();

// The same on any power-plan tool. No words: one line per plan, "[x] " before
// the active one and "[ ] " before the others. "set NAME": activates the plan
// of that name, then lists again.
int runPlansCommandWith(platform::PowerPlanTool& tool, const std::vector<std::string>& args,
                        std::ostream& out, std::ostream& err);

}  // namespace voltaro::tools
