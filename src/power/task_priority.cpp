#include "power/task_priority.h"

#include <string>

namespace voltaro::power {

using platform::ProcessPriority;

std::optional<ProcessPriority> priorityForTaskPriority(std::uint8_t taskPriority) {
  switch (taskPriority) {
    case 1:
      return ProcessPriority::Idle;
    case 2:
      return ProcessPriority::Normal;
    case 3:
      return ProcessPriority::High;
    case 4:
      return ProcessPriority::RealTime;
    default:
      return std::nullopt;
  }
}

const char* priorityCaption(std::uint8_t taskPriority) {
  switch (taskPriority) {
    case 1:
      return "Idle";
    case 2:
      return "Normal";
    case 3:
      return "High";
    case 4:
      return "Real-time";
    default:
      return "";
  }
}

TaskPriority::TaskPriority(platform::Power& power, settings::AppSettings& settings,
                           view::StatusLine& status, PowerHooks& hooks)
    : power_(power), settings_(settings), status_(status), hooks_(hooks) {}

bool TaskPriority::applyTaskPriority() {
  const auto priority = priorityForTaskPriority(settings_.TaskPriority);
  if (!priority) return true;
  return power_.setProcessPriority(*priority);
}

// An unprivileged user may lower the priority but not raise it again (Linux
// without CAP_SYS_NICE or an RLIMIT_NICE allowance): the refusal is said, not
// hidden, and the setting stays for the next start with more rights.
void TaskPriority::applyAndReport() {
  if (applyTaskPriority()) return;
  status_.show(std::string("The system refused the ") + priorityCaption(settings_.TaskPriority) +
               " priority");
}

void TaskPriority::choosePriority(std::uint8_t taskPriority) {
  hooks_.checkPriorityItem(taskPriority);
  settings_.TaskPriority = taskPriority;
  hooks_.saveSettings();
  applyAndReport();
  hooks_.redrawPriorityRadios();
}

}  // namespace voltaro::power
