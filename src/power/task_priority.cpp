#include "power/task_priority.h"

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
                           PowerHooks& hooks)
    : power_(power), settings_(settings), hooks_(hooks) {}

void TaskPriority::applyTaskPriority() {
  const auto priority = priorityForTaskPriority(settings_.TaskPriority);
  // The system may grant a lower class than asked (real-time without
  // rights); the program does not check.
  if (priority) power_.setProcessPriority(*priority);
}

void TaskPriority::choosePriority(std::uint8_t taskPriority) {
  hooks_.checkPriorityItem(taskPriority);
  settings_.TaskPriority = taskPriority;
  hooks_.saveSettings();
  applyTaskPriority();
  hooks_.redrawPriorityRadios();
}

}  // namespace voltaro::power
