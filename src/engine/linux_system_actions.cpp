#include "engine/linux_system_actions.h"

#include "platform/linux/logind_power_events.h"
#include "platform/linux/proc_stat_system_times.h"
#include "platform/linux_services/backlight_display.h"
#include "platform/linux_services/dbus_power_profiles.h"
#include "platform/linux_services/linux_shell.h"
#include "platform/linux_services/logind_power.h"

namespace voltaro::engine {

namespace {

constexpr const char* kBacklightFolder = "/sys/class/backlight";

struct LinuxSystemActions final : SystemActions {
  // The display writes through the writer: it goes first.
  ~LinuxSystemActions() override { display.reset(); }
  std::unique_ptr<platform::linux_services::BacklightWriter> backlightWriter;
};

}  // namespace

std::unique_ptr<SystemActions> makeLinuxSystemActions(platform::Runtime& runtime,
                                                      std::function<bool()> onAcPower) {
  using namespace platform::linux_services;
  auto actions = std::make_unique<LinuxSystemActions>();
  auto powerEvents = std::make_unique<platform::LogindPowerEvents>();
  // Without logind the program runs on, only without sleep notifications.
  powerEvents->start();
  actions->powerEvents = std::move(powerEvents);
  actions->systemTimes = std::make_unique<platform::ProcStatSystemTimes>();
  actions->shell = std::make_unique<LinuxShell>(runtime);
  actions->backlightWriter = std::make_unique<LogindBacklightWriter>();
  actions->display = std::make_unique<BacklightDisplay>(kBacklightFolder, *actions->backlightWriter,
                                                        *actions->shell, std::move(onAcPower));
  actions->power = std::make_unique<LogindPower>();
  actions->planTool = std::make_unique<DbusPowerProfilesTool>();
  return actions;
}

}  // namespace voltaro::engine
