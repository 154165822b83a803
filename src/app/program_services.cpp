#include "app/program_services.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <array>

#include "calibration/sleep_blocking_calibration_power.h"
#include "logs/log_stamp.h"
#include "platform/linux/locale_short_date.h"
#include "platform/linux/logind_power_events.h"
#include "platform/linux/proc_stat_system_times.h"
#include "platform/linux/pulse_audio.h"
#include "platform/linux/sysfs_battery_driver.h"
#include "platform/linux/xdg_folders.h"
#include "platform/linux_services/backlight_display.h"
#include "platform/linux_services/dbus_power_profiles.h"
#include "platform/linux_services/linux_shell.h"
#include "platform/linux_services/logind_power.h"
#include "platform/linux_services/logind_sleep_inhibitor.h"
#include "platform/linux_services/monitor_power.h"
#include "platform/linux_services/qt_http_client.h"
#include "platform/linux_threads/posix_worker_threads.h"
#include "platform/sim/scenario_reader.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_shell.h"
#include "ui/qt_runtime.h"

namespace voltaro::app {

namespace {
constexpr const char* kClipResources[] = {
    ":/sounds/clip1_chime.wav",         ":/sounds/clip2_battery_low.wav",
    ":/sounds/clip3_fully_charged.wav", ":/sounds/clip4_discharging.wav",
    ":/sounds/clip5_charging.wav",      ":/sounds/clip6_click.wav"};
constexpr const char* kBacklightFolder = "/sys/class/backlight";

std::array<std::vector<std::uint8_t>, platform::PulseAudio::kClipCount> embeddedClips() {
  std::array<std::vector<std::uint8_t>, platform::PulseAudio::kClipCount> clips;
  for (std::size_t i = 0; i < clips.size(); ++i) {
    QFile file(kClipResources[i]);
    if (!file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    clips[i].assign(bytes.begin(), bytes.end());
  }
  return clips;
}
}  // namespace

struct ProgramServices::Parts {
  ui::QtRuntime runtime;
  platform::ProcStatSystemTimes systemTimes;
  platform::PulseAudio audio{embeddedClips(), "Voltaro"};
  platform::XdgFolders folders;
  std::unique_ptr<platform::BatteryDriver> driver;
  std::unique_ptr<platform::PowerEvents> powerEvents;
  std::unique_ptr<platform::Shell> shell;
  std::unique_ptr<platform::linux_services::LogindBacklightWriter> backlightWriter;
  std::unique_ptr<platform::linux_services::DesktopMonitorPower> monitorPower;
  std::unique_ptr<platform::Display> display;
  std::unique_ptr<platform::Power> power;
  std::unique_ptr<platform::PowerPlanTool> planTool;
  // A calibration keeps the computer awake through logind (Linux only).
  std::unique_ptr<platform::SleepInhibitor> sleepInhibitor;
  std::unique_ptr<calibration::CalibrationPower> calibrationPower;
  platform::linux_services::QtHttpClient http;
  // The fast-discharge workers: the steady clock and their raised priority,
  // on the real and the simulated battery alike.
  platform::linux_threads::PosixWorkerThreads threads;
  platform::sim::SimBatteryDriver* simDriver = nullptr;
  platform::sim::ScenarioReader reader;
  std::vector<std::unique_ptr<QTimer>> eventTimers;
};

ProgramServices::ProgramServices() : parts_(std::make_unique<Parts>()) {
  // The logs and reports write dates in the user's regional short date.
  logs::setShortDatePattern(platform::localeShortDatePattern().value_or(""));
  const QByteArray scenario = qgetenv("VOLTARO_SIMULATE");
  if (!scenario.isEmpty()) {
    setUpSimulation(scenario.toStdString());
  } else {
    setUpLinux();
  }
}

ProgramServices::~ProgramServices() = default;

void ProgramServices::setUpSimulation(const std::string& path) {
  simulated_ = true;
  auto driver = std::make_unique<platform::sim::SimBatteryDriver>();
  parts_->simDriver = driver.get();
  const platform::sim::ScenarioResult result = parts_->reader.readFile(path, *driver);
  if (!result.ok()) {
    scenarioError_ = "line " + std::to_string(result.error->line) + ": " + result.error->message;
  }
  for (const platform::sim::TimedEvent& event : result.events) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setInterval(static_cast<int>(event.atSeconds * 1000));
    QObject::connect(timer.get(), &QTimer::timeout, [this, line = event.action] {
      parts_->reader.apply(line, *parts_->simDriver);
    });
    timer->start();
    parts_->eventTimers.push_back(std::move(timer));
  }
  parts_->driver = std::move(driver);
  parts_->powerEvents = std::make_unique<platform::sim::SimPowerEvents>();
  parts_->shell = std::make_unique<platform::sim::SimShell>();
  // A simulated panel with ten brightness steps, at 70 % on both sources.
  auto display = std::make_unique<platform::sim::SimDisplay>();
  for (std::uint8_t level = 10; level <= 100; level = static_cast<std::uint8_t>(level + 10)) {
    display->supportedLevels.push_back(level);
  }
  display->acLevel = 70;
  display->dcLevel = 70;
  parts_->display = std::move(display);
  parts_->power = std::make_unique<platform::sim::SimPower>();
  parts_->planTool = std::make_unique<platform::sim::SimPowerPlanTool>();
}

void ProgramServices::setUpLinux() {
  parts_->driver = std::make_unique<platform::SysfsBatteryDriver>();
  parts_->powerEvents = std::make_unique<platform::LogindPowerEvents>();
  parts_->shell = std::make_unique<platform::linux_services::LinuxShell>(parts_->runtime);
  parts_->backlightWriter = std::make_unique<platform::linux_services::LogindBacklightWriter>();
  parts_->monitorPower = std::make_unique<platform::linux_services::DesktopMonitorPower>();
  parts_->display = std::make_unique<platform::linux_services::BacklightDisplay>(
      kBacklightFolder, *parts_->backlightWriter,
      [this] { return parts_->monitorPower->turnOff(); }, [this] { return onAcPower(); });
  parts_->power = std::make_unique<platform::linux_services::LogindPower>();
  parts_->planTool = std::make_unique<platform::linux_services::DbusPowerProfilesTool>();
  parts_->sleepInhibitor = std::make_unique<platform::linux_services::LogindSleepInhibitor>();
  parts_->calibrationPower =
      std::make_unique<calibration::SleepBlockingCalibrationPower>(*parts_->sleepInhibitor);
}

bool ProgramServices::onAcPower() const {
  // The display asks before the engine has read anything: AC until known.
  return onAcPowerHint ? onAcPowerHint() : true;
}

engine::PlatformServices ProgramServices::services() {
  engine::PlatformServices services{
      parts_->runtime, *parts_->driver,  *parts_->powerEvents, parts_->systemTimes, parts_->audio,
      parts_->folders, *parts_->display, *parts_->power,       *parts_->planTool,   *parts_->shell};
  services.http = &parts_->http;
  services.threads = &parts_->threads;
  services.calibrationPower = parts_->calibrationPower.get();
  // The update check's worker hands its result to the program's thread.
  services.postToProgramThread = [](std::function<void()> event) {
    QMetaObject::invokeMethod(qApp, std::move(event), Qt::QueuedConnection);
  };
  // VOLTARO_WEB_HOST ("host" or "host:port") points the links and the update
  // check at another server, such as a local one.
  services.webHost = qEnvironmentVariable("VOLTARO_WEB_HOST").toStdString();
  return services;
}

}  // namespace voltaro::app
