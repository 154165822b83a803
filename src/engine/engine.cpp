#include "engine/engine.h"

#include "engine/window_port.h"

#include <random>

#include "common/file_io.h"
#include "common/scramble.h"
#include "platform/runtime.h"
#include "settings/data_folder.h"
#include "view/status_line.h"

namespace voltaro::engine {

namespace {

// The version shown beside the product title.
constexpr const char* kVersionText = "9.2";
// Rounds of the close request's, the exit procedure's and the gadget
// re-layout's wait for a tick.
constexpr int kExitWaitRounds = 10;
constexpr std::uint32_t kExitPauseMilliseconds = 100;
// About one start in this many checks for a new version unprompted.
constexpr int kAutomaticCheckOdds = 30;

bool drawAutomaticCheck() {
  std::random_device seed;
  std::mt19937 generator(seed());
  return std::uniform_int_distribution<int>(0, kAutomaticCheckOdds - 1)(generator) == 1;
}

// The Information page and left-column values that read "0" before the
// first reading.
constexpr const char* kInformationValues[] = {
    "Designed Capacity", "Full Charged Capacity", "Capacity Drop",
    "Warning Alert",     "Low Level Alert",       "Critical Bias",
    "Current Capacity",  "Battery Voltage",       "Charge Rate"};
constexpr const char* kLeftColumnValues[] = {"Charge", "Time", "Cycles", "Wear"};

}  // namespace

Engine::Engine(const PlatformServices& services, const PresentationPorts& ports)
    : services_(services),
      ports_(ports),
      bridges_(*this),
      battery_({services.driver, slots_, requests_, info_, live_, settings_, texts_, ports.tray,
                services.audio, services.runtime, bridges_.battery}),
      monitor_({services.runtime, services.powerEvents, services.systemTimes, services.audio,
                texts_, ports.tray, ports.statusLine, battery_, slots_, requests_, info_, live_,
                settings_, bridges_.monitor}),
      health_({record_, info_, slots_, settings_, dataFolder_, texts_, ports.errors,
               services.runtime, valueFiles_, bridges_.health}),
      healthCommands_({health_, info_, slots_, settings_, dataFolder_, ports.fileDialogs,
                       ports.errors, services.audio, bridges_.health}),
      advice_({health_, info_, slots_, live_, settings_, dataFolder_, ports.advice,
               services.runtime, bridges_.health}),
      healthJournal_(
          {info_, slots_, live_, record_, health_, services.runtime, dataFolder_, ports.errors}),
      historyController_(history_, ports.graph, bridges_.history, services.audio, settings_),
      dischargeLog_({slots_, live_, texts_, dataFolder_, services.runtime, ports.errors}),
      calibrationLog_({slots_, texts_, record_, dataFolder_, services.runtime, ports.errors}),
      logViewer_(dataFolder_, services.shell),
      dialog_(ports.confirmation, services.runtime, bridges_.dialogs),
      brightness_(services.display, services.audio, services.runtime, settings_, texts_),
      actions_(services.display, services.audio, services.power, services.planTool, services.shell,
               settings_, ports.statusLine, ports.errors),
      alertRules_(settings_, services.runtime, services.audio, brightness_, actions_, dialog_,
                  bridges_.alerts),
      alertsPage_(settings_, alertRules_, brightness_, services.audio, ports.fileDialogs, texts_,
                  bridges_.alerts),
      powerPlans_(services.planTool, bridges_.power),
      greenMode_(brightness_, actions_, services.audio, services.runtime, settings_,
                 ports.statusLine, texts_, bridges_.power),
      taskPriority_(services.power, settings_, ports.statusLine, bridges_.power),
      powerKeys_(services.planTool, services.power, dialog_, greenMode_, bridges_.power),
      fastDischarge_({services.runtime, services.threads ? *services.threads : plainThreads_,
                      brightness_, settings_, live_, dataFolder_, texts_, dialog_}),
      fastDischargeOptions_(fastDischarge_, brightness_, settings_, services.audio, texts_,
                            bridges_.fastDischarge),
      calibration_(
          {slots_, live_, settings_, dataFolder_, texts_, ports.errors, dialog_,
           ports.parameters ? *ports.parameters : hiddenParameters_, health_, calibrationLog_,
           powerPlans_,
           services.calibrationPower ? *services.calibrationPower : unchangedCalibrationPower_}),
      calibratePage_(calibration_, fastDischarge_, fastDischargeOptions_),
      updateCheck_({services.postToProgramThread ? services.http : nullptr, services.shell, dialog_,
                    texts_, bridges_.update, services.postToProgramThread,
                    services.webHost.empty() ? webHost() : services.webHost}) {}

Engine::~Engine() = default;

int Engine::formCreate() {
  monitor_.busyFlag().set(true);
  settings_.GadgetShowCpuUsage = 0;
  monitor_.startCpuMeter();

  const settings::DataFolderStart folder =
      settings::startDataFolder(services_.folders, ports_.errorBox);
  if (!folder.ok()) {
    monitor_.busyFlag().set(false);
    return folder.exitStatus;
  }
  dataFolder_ = folder.dataFolder;
  settingsStore_ = std::make_unique<settings::SettingsStore>(dataFolder_, ports_.errors);
  settingsKeys_ = std::make_unique<settings::SettingsKeys>(
      settings_, *settingsStore_, bridges_.settings, services_.audio, texts_);
  if (!folder.writeFault.empty()) {
    ports_.errors.reportFileFault(dataFolder_,
                                  settings::dataFolderFaultText(dataFolder_, folder.writeFault));
  }

  settingsStore_->loadChargeRate(settings_);
  settingsStore_->loadSettings(settings_);
  const ReadState record = settingsStore_->settingsFileState();
  firstRun_ = record == ReadState::Missing;
  // Defaults standing in for a record that could not be read are not the
  // user's choice: the start-with-the-system entry is left as it is.
  autoRunKnown_ = record != ReadState::Unreadable;
  taskPriority_.applyTaskPriority();
  alertsPage_.showTexts();
  ports_.window.redrawSettingsPages();
  applyAutoRun();
  showTrayMenuChecks();

  battery_.createDeviceSet();
  historyController_.resetHistory();
  for (const char* caption : kInformationValues) texts_.set(view::Page::Information, caption, "0");
  for (const char* caption : kLeftColumnValues) texts_.set(view::Page::LeftColumn, caption, "0");
  brightness_.initBrightness();

  const std::string version = productTitle() + " " + kVersionText;
  texts_.set(view::Page::Home, "Version", version);
  ports_.statusLine.show(version);
  if (drawAutomaticCheck()) updateCheck_.act19();
  return 0;
}

void Engine::showTrayMenuChecks() {
  using settings::TrayCheck;
  TrayMenuPort& menu = trayMenu();
  menu.setTrayCheck(TrayCheck::SmallSize, settings_.SmallSizeGadget != 0);
  menu.setTrayCheck(TrayCheck::Style3D, settings_.Style3DGadget != 0);
  menu.setTrayCheck(TrayCheck::AlwaysOnTop, settings_.BatteryOnTop != 0);
  menu.setTrayCheck(TrayCheck::BalloonHints, settings_.BalloonHints != 0);
  menu.setTrayCheck(TrayCheck::BatteryCapacity, settings_.GadgetShowCapacity != 0);
  menu.setTrayCheck(TrayCheck::TimeRemaining, settings_.GadgetShowTimeRemaining != 0);
  menu.setTrayCheck(TrayCheck::CpuUsage, settings_.GadgetShowCpuUsage != 0);
  menu.checkOpacityItem(settings_.GadgetOpacity);
  menu.checkPriorityItem(settings_.TaskPriority);
}

void Engine::applyAutoRun() {
  if (autoRunKnown_) ports_.window.setAutoRun(settings_.AutoRun != 0);
}

bool Engine::saveSettings() {
  return settingsStore_ && settingsStore_->saveSettings(settings_);
}

void Engine::relayoutGadget() {
  saveSettings();
  if (monitor_.busy()) monitor_.waitidle(kExitWaitRounds);
  monitor::BusyGuard busy(monitor_.busyFlag());
  gadget().relayoutGadget();
}

void Engine::closeRequest() {
  if (monitor_.busy()) monitor_.waitidle(kExitWaitRounds);
  if (settings_.ExitConfirmation == 0) {
    exitProcedure();
    return;
  }
  dialog_.ask(dialogs::code::kCloseProgram, "Confirmation", "", "Close " + productTitle() + "?", "",
              static_cast<int>(view::ConfirmationMode::YesNo));
}

void Engine::exitProcedure() {
  if (exited_) return;
  if (monitor_.busy()) monitor_.waitidle(kExitWaitRounds);
  healthJournal_.exit();
  saveSettings();
  fastDischarge_.shutdown();
  monitor_.stop();
  for (int i = 0; i < 2; ++i) {
    services_.runtime.processMessages();
    services_.runtime.sleep(kExitPauseMilliseconds);
  }
  exited_ = true;
  ports_.window.quit();
}

void Engine::formDestroy() {
  battery_.shutdown();
}

}  // namespace voltaro::engine
