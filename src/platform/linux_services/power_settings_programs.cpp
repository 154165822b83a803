#include "platform/linux_services/power_settings_programs.h"

#include <algorithm>
#include <cctype>

namespace voltaro::platform::linux_services {

namespace {

const std::vector<PowerSettingsProgram>& table() {
  static const std::vector<PowerSettingsProgram> programs = {
      {"GNOME", "gnome-control-center", {"power"}, {"power"}},
      {"KDE", "systemsettings", {"kcm_powerdevilprofilesconfig"}, {"kcm_powerdevilprofilesconfig"}},
      {"KDE", "systemsettings5", {"powerdevilprofilesconfig"}, {"powerdevilprofilesconfig"}},
      {"XFCE", "xfce4-power-manager-settings", {}, {}},
      {"X-Cinnamon", "cinnamon-settings", {"power"}, {"power"}},
      {"MATE", "mate-power-preferences", {}, {}},
      {"LXQt", "lxqt-config-powermanagement", {}, {}},
      {"Budgie", "budgie-control-center", {"power"}, {"power"}},
  };
  return programs;
}

bool sameName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool runningDesktop(std::string_view currentDesktops, std::string_view desktop) {
  while (!currentDesktops.empty()) {
    const std::size_t colon = currentDesktops.find(':');
    if (sameName(currentDesktops.substr(0, colon), desktop)) return true;
    if (colon == std::string_view::npos) break;
    currentDesktops.remove_prefix(colon + 1);
  }
  return false;
}

PowerSettingsCommand commandFor(const PowerSettingsProgram& program, PowerSettingsView view) {
  const bool advanced = view == PowerSettingsView::Advanced;
  return {std::string(program.program),
          advanced ? program.advancedArguments : program.plansArguments};
}

}  // namespace

std::span<const PowerSettingsProgram> powerSettingsPrograms() {
  return table();
}

std::optional<PowerSettingsCommand> choosePowerSettingsCommand(
    std::span<const PowerSettingsProgram> programs, std::string_view currentDesktops,
    PowerSettingsView view, const std::function<bool(std::string_view)>& installed) {
  // Another desktop's settings program may be installed beside the running
  // one's, and would show settings that the running session ignores.
  for (const PowerSettingsProgram& program : programs) {
    if (runningDesktop(currentDesktops, program.desktop) && installed(program.program)) {
      return commandFor(program, view);
    }
  }
  for (const PowerSettingsProgram& program : programs) {
    if (installed(program.program)) return commandFor(program, view);
  }
  return std::nullopt;
}

}  // namespace voltaro::platform::linux_services
