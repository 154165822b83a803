// The process priority from TaskPriority, and the choice of it in the tray
// submenu "Priority" and on the Settings page.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/power.h"
#include "power/power_hooks.h"
#include "settings/app_settings.h"

namespace voltaro::power {

// The priority class of a TaskPriority value; nullopt outside 1..4.
std::optional<platform::ProcessPriority> priorityForTaskPriority(std::uint8_t taskPriority);

// "Idle", "Normal", "High", "Real-time"; empty outside 1..4.
const char* priorityCaption(std::uint8_t taskPriority);

class TaskPriority {
 public:
  TaskPriority(platform::Power& power, settings::AppSettings& settings, PowerHooks& hooks);

  // Applies TaskPriority; any other value leaves the priority as it is. Runs
  // at start-up, after "Default Settings" and after each choice.
  void applyTaskPriority();

  // A choice in the tray submenu or the Settings page's group: checks the
  // tray item, stores the value, saves the settings, applies the class and
  // redraws the radio images.
  void choosePriority(std::uint8_t taskPriority);

 private:
  platform::Power& power_;
  settings::AppSettings& settings_;
  PowerHooks& hooks_;
};

}  // namespace voltaro::power
