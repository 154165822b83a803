// The desktops' own power settings programs, and the choice of the one to
// start: a program of the running desktop session first, then any other
// that is installed, in the order of the table.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shell.h"

namespace voltaro::platform::linux_services {

struct PowerSettingsProgram {
  // The name the desktop session gives itself in XDG_CURRENT_DESKTOP.
  std::string_view desktop;
  std::string_view program;
  // The arguments that open the power page; some programs have only one.
  std::vector<std::string> plansArguments;
  std::vector<std::string> advancedArguments;
};

// The program and arguments to start.
struct PowerSettingsCommand {
  std::string program;
  std::vector<std::string> arguments;
  bool operator==(const PowerSettingsCommand&) const = default;
};

std::span<const PowerSettingsProgram> powerSettingsPrograms();

// `currentDesktops` is XDG_CURRENT_DESKTOP (names separated by ':', compared
// without regard to case); `installed` says whether a program is on the
// PATH. nullopt when none of the table's programs is installed.
std::optional<PowerSettingsCommand> choosePowerSettingsCommand(
    std::span<const PowerSettingsProgram> programs, std::string_view currentDesktops,
    PowerSettingsView view, const std::function<bool(std::string_view)>& installed);

}  // namespace voltaro::platform::linux_services
