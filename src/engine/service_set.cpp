#include "engine/service_set.h"

#include "engine/documents_folders.h"
#include "engine/system_driver.h"
#include "platform/runtime.h"

#ifdef VOLTARO_HAVE_SYSTEM_ACTIONS
#include "calibration/sleep_blocking_calibration_power.h"
#include "platform/linux/logind_power_events.h"
#include "platform/linux/proc_stat_system_times.h"
#include "platform/linux_services/backlight_display.h"
#include "platform/linux_services/dbus_power_profiles.h"
#include "platform/linux_services/linux_shell.h"
#include "platform/linux_services/logind_power.h"
#include "platform/linux_services/logind_sleep_inhibitor.h"
#include "platform/linux_services/monitor_power.h"
#endif
#ifdef VOLTARO_HAVE_WIN32
#include <filesystem>

#include "platform/windows/win32_device_io.h"
#include "platform/windows/win32_display.h"
#include "platform/windows/win32_power.h"
#include "platform/windows/win32_power_events.h"
#include "platform/windows/win32_shell.h"
#include "platform/windows/win32_system_times.h"
#endif

namespace voltaro::engine {

namespace {
#ifdef VOLTARO_HAVE_SYSTEM_ACTIONS
constexpr const char* kBacklightFolder = "/sys/class/backlight";
#endif
}  // namespace

// The parts of the system the choice took, each left empty where the
// simulated machine serves instead.
struct ServiceSet::SystemParts {
  std::unique_ptr<platform::BatteryDriver> driver;
  std::unique_ptr<platform::Folders> folders;
  std::unique_ptr<platform::PowerEvents> powerEvents;
  std::unique_ptr<platform::SystemTimes> systemTimes;
  std::unique_ptr<platform::Shell> shell;
  std::unique_ptr<platform::Display> display;
  std::unique_ptr<platform::Power> power;
  std::unique_ptr<platform::PowerPlanTool> planTool;
#ifdef VOLTARO_HAVE_SYSTEM_ACTIONS
  std::unique_ptr<platform::linux_services::BacklightWriter> backlightWriter;
  std::unique_ptr<platform::linux_services::DesktopMonitorPower> monitorPower;
  // A calibration keeps the computer awake through a logind lock.
  std::unique_ptr<platform::SleepInhibitor> sleepInhibitor;
  std::unique_ptr<calibration::CalibrationPower> calibrationPower;
#endif
#ifdef VOLTARO_HAVE_WIN32
  std::unique_ptr<platform::windows::Win32DeviceIo> deviceIo;
#endif
};

ServiceSet::ServiceSet(platform::Runtime& runtime, const ServiceChoice& choice)
    : runtime_(runtime), choice_(choice), system_(std::make_unique<SystemParts>()) {}

ServiceSet::~ServiceSet() = default;

std::unique_ptr<ServiceSet> ServiceSet::create(platform::Runtime& runtime,
                                               const ServiceChoice& choice, std::string& error) {
  std::unique_ptr<ServiceSet> set(new ServiceSet(runtime, choice));
  if (!set->chooseBatteries(error) || !set->chooseActions(error) || !set->chooseFolders(error)) {
    return nullptr;
  }
  return set;
}

bool ServiceSet::chooseBatteries(std::string& error) {
  if (choice_.batteries == Batteries::Simulated) return true;
  system_->driver = makeSystemDriver(choice_.powerSupplyFolder, error);
  return system_->driver != nullptr;
}

bool ServiceSet::chooseActions([[maybe_unused]] std::string& error) {
  if (choice_.actions == Actions::Simulated) return true;
#ifdef VOLTARO_HAVE_SYSTEM_ACTIONS
  using namespace platform::linux_services;
  auto powerEvents = std::make_unique<platform::LogindPowerEvents>();
  // Without logind the program runs on, only without sleep notifications.
  powerEvents->start();
  system_->powerEvents = std::move(powerEvents);
  system_->systemTimes = std::make_unique<platform::ProcStatSystemTimes>();
  system_->shell = std::make_unique<LinuxShell>(runtime_);
  system_->backlightWriter = std::make_unique<LogindBacklightWriter>();
  system_->monitorPower = std::make_unique<DesktopMonitorPower>();
  system_->display = std::make_unique<BacklightDisplay>(
      kBacklightFolder, *system_->backlightWriter,
      [this] { return system_->monitorPower->turnOff(); },
      [this] { return onAcPower_ ? onAcPower_() : true; });
  system_->power = std::make_unique<LogindPower>();
  system_->planTool = std::make_unique<DbusPowerProfilesTool>();
  system_->sleepInhibitor = std::make_unique<LogindSleepInhibitor>();
  system_->calibrationPower =
      std::make_unique<calibration::SleepBlockingCalibrationPower>(*system_->sleepInhibitor);
  return true;
#elif defined(VOLTARO_HAVE_WIN32)
  // The power plans stay the simulated machine's: Windows has no plan tool
  // here yet.
  using namespace platform::windows;
  system_->powerEvents = std::make_unique<Win32PowerEvents>();
  system_->systemTimes = std::make_unique<Win32SystemTimes>();
  std::error_code failed;
  std::string temporary = std::filesystem::temp_directory_path(failed).string();
  if (!temporary.empty() && temporary.back() != '\\') temporary += '\\';
  system_->shell = std::make_unique<Win32Shell>(runtime_, temporary);
  system_->deviceIo = std::make_unique<Win32DeviceIo>();
  system_->display = std::make_unique<Win32Display>(*system_->deviceIo);
  system_->power = std::make_unique<Win32Power>();
  return true;
#else
  error = "this build has no system services; it runs on simulated ones only";
  return false;
#endif
}

bool ServiceSet::chooseFolders(std::string& error) {
  if (choice_.folders != nullptr) return true;
  switch (choice_.documents) {
    case Documents::Given:
      system_->folders = std::make_unique<DocumentsFolders>(choice_.documentsFolder);
      return true;
    case Documents::Temporary:
      temporary_ = std::make_unique<TemporaryDocuments>();
      system_->folders = std::make_unique<DocumentsFolders>(temporary_->path());
      return true;
    case Documents::User:
      system_->folders = makeUserFolders(error);
      return system_->folders != nullptr;
  }
  return false;
}

std::string ServiceSet::documentsFolder() const {
  if (temporary_) return temporary_->path().string();
  return choice_.documents == Documents::Given ? choice_.documentsFolder : std::string();
}

PlatformServices ServiceSet::services() {
  SystemParts& s = *system_;
  SimulatedMachine& m = machine_;
  const bool own = choice_.actions == Actions::System;
  // A part the system does not serve stays the simulated machine's.
  PlatformServices services{runtime_,
                            s.driver ? *s.driver : static_cast<platform::BatteryDriver&>(m.driver),
                            own && s.powerEvents ? *s.powerEvents : m.powerEvents,
                            own && s.systemTimes ? *s.systemTimes : m.systemTimes,
                            choice_.audio != nullptr ? *choice_.audio : m.audio,
                            choice_.folders != nullptr ? *choice_.folders : *s.folders,
                            own && s.display ? *s.display : m.display,
                            own && s.power ? *s.power : m.power,
                            own && s.planTool ? *s.planTool : m.planTool,
                            own && s.shell ? *s.shell : m.shell};
  // The system's calibration leaves the power settings alone and, on Linux,
  // keeps the computer awake; the simulated one records what it would change.
  if (!own) services.calibrationPower = &m.calibrationPower;
#ifdef VOLTARO_HAVE_SYSTEM_ACTIONS
  if (own) services.calibrationPower = s.calibrationPower.get();
#endif
  services.threads = choice_.threads;
  return services;
}

}  // namespace voltaro::engine
