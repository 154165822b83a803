// The process priority from TaskPriority, and the choice of it in the tray
// submenu "Priority" and on the Settings page.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/power.h"
#include "power/power_hooks.h"
#include "settings/app_settings.h"
#include "view/status_line.h"

namespace voltaro::power {

// The priority class of a TaskPriority value; nullopt outside 1..4.
std::optional<platform::ProcessPriority> priorityForTaskPriority(std::uint8_t taskPriority);

// "Idle", "Normal", "High", "Real-time"; empty outside 1..4.
const char* priorityCaption(std::uint8_t taskPriority);

class TaskPriority {
 public:
  TaskPriority(platform::Power& power, settings::AppSettings& settings, view::StatusLine& status,
               PowerHooks& hooks);

  // Applies TaskPriority; any other value leaves the priority as it is.
  // False when the system refused it. Runs at start-up, quietly.
  bool applyTaskPriority();
  // Applies it and, when the system refuses, says so on the status line;
  // the setting is kept either way. After "Default Settings" and each choice.
  void applyAndReport();

  // A choice in the tray submenu or the Settings page's group: checks the
  // tray item, stores the value, saves the settings, applies the class and
  // redraws the radio images.
  void choosePriority(std::uint8_t taskPriority);

 private:
  platform::Power& power_;
  settings::AppSettings& settings_;
  view::StatusLine& status_;
  PowerHooks& hooks_;
};

}  // namespace voltaro::power
