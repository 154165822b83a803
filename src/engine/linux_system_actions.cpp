#include "engine/linux_system_actions.h"

#include "calibration/sleep_blocking_calibration_power.h"
#include "platform/linux/logind_power_events.h"
#include "platform/linux/proc_stat_system_times.h"
#include "platform/linux_services/backlight_display.h"
#include "platform/linux_services/dbus_power_profiles.h"
#include "platform/linux_services/linux_shell.h"
#include "platform/linux_services/logind_power.h"
#include "platform/linux_services/logind_sleep_inhibitor.h"
#include "platform/linux_services/monitor_power.h"

namespace voltaro::engine {

namespace {

constexpr const char* kBacklightFolder = "/sys/class/backlight";

struct LinuxSystemActions final : SystemActions {
  // The display writes through the writer and turns the monitor off through
  // the monitor's power; the calibration holds the sleep lock: they go first.
  ~LinuxSystemActions() override {
    display.reset();
    calibrationPower.reset();
  }
  std::unique_ptr<platform::linux_services::BacklightWriter> backlightWriter;
  std::unique_ptr<platform::linux_services::DesktopMonitorPower> monitorPower;
  // A calibration keeps the computer awake through a logind lock.
  std::unique_ptr<platform::SleepInhibitor> sleepInhibitor;
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
  actions->monitorPower = std::make_unique<DesktopMonitorPower>();
  DesktopMonitorPower& monitorPower = *actions->monitorPower;
  actions->display = std::make_unique<BacklightDisplay>(
      kBacklightFolder, *actions->backlightWriter,
      [&monitorPower] { return monitorPower.turnOff(); }, std::move(onAcPower));
  actions->power = std::make_unique<LogindPower>();
  actions->planTool = std::make_unique<DbusPowerProfilesTool>();
  actions->sleepInhibitor = std::make_unique<LogindSleepInhibitor>();
  actions->calibrationPower =
      std::make_unique<calibration::SleepBlockingCalibrationPower>(*actions->sleepInhibitor);
  return actions;
}

}  // namespace voltaro::engine
