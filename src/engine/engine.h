// The composition root: the one object that owns every subsystem and the
// state they share, wires each subsystem's hooks to the others, and carries
// the program's start-up and exit sequences. The Qt program, voltaroctl and
// the end-to-end tests all run this same engine over their own ports.
#pragma once

#include <memory>
#include <string>

#include "alerts/alert_rules.h"
#include "alerts/alerts_page.h"
#include "alerts/brightness_control.h"
#include "alerts/system_actions.h"
#include "battery/battery_access.h"
#include "battery/battery_state.h"
#include "calibration/calibrate_page_commands.h"
#include "calibration/calibration.h"
#include "dialogs/pending_dialog.h"
#include "engine/default_services.h"
#include "engine/engine_bridges.h"
#include "engine/gadget_port.h"
#include "engine/health_journal.h"
#include "engine/services.h"
#include "engine/tray_menu_port.h"
#include "fastdischarge/fast_discharge.h"
#include "fastdischarge/fast_discharge_options.h"
#include "health/battery_advice.h"
#include "health/health_commands.h"
#include "health/health_record.h"
#include "health/health_store.h"
#include "health/value_files.h"
#include "history/charge_history.h"
#include "history/history_controller.h"
#include "logs/calibration_log.h"
#include "logs/discharge_log.h"
#include "logs/log_viewer.h"
#include "monitor/monitor.h"
#include "power/green_mode.h"
#include "power/power_keys.h"
#include "power/power_plans.h"
#include "power/task_priority.h"
#include "settings/app_settings.h"
#include "settings/settings_keys.h"
#include "settings/settings_store.h"
#include "update/update_check.h"
#include "view/shown_texts.h"

namespace voltaro::engine {

class Engine {
 public:
  Engine(const PlatformServices& services, const PresentationPorts& ports);
  ~Engine();
  Engine(const Engine&) = delete;
  Engine& operator=(const Engine&) = delete;

  // The main window's creation: data folder, settings, history, brightness.
  // Returns 0, or the exit status after a start-up error box (1 or 2).
  int formCreate();
  // The last window exists: monitoring starts a moment later.
  void enableMonitoring() { monitor_.enableStart(); }
  // The close request: asks first when "Exit Confirmation" is on.
  void closeRequest();
  // Saves the settings, stops the workers and the timers, then ends the
  // message loop through the window port.
  void exitProcedure();
  // Closes the devices; the last step before the program ends.
  void formDestroy();

  // True when this start found no settings file: the main window is shown.
  bool firstRun() const { return firstRun_; }
  bool exited() const { return exited_; }
  const std::string& dataFolder() const { return dataFolder_; }

  // State.
  view::ShownTexts& texts() { return texts_; }
  settings::AppSettings& settings() { return settings_; }
  const battery::SlotTable& slots() const { return slots_; }
  const battery::LiveStatus& live() const { return live_; }
  const battery::BatteryInfo& info() const { return info_; }
  const health::HealthRecord& healthRecord() const { return record_; }

  // Subsystems, for the windows' commands.
  battery::BatteryAccess& battery() { return battery_; }
  monitor::Monitor& monitor() { return monitor_; }
  health::HealthStore& health() { return health_; }
  health::HealthCommands& healthCommands() { return healthCommands_; }
  health::BatteryAdvice& advice() { return advice_; }
  HealthJournal& healthJournal() { return healthJournal_; }
  history::ChargeHistory& history() { return history_; }
  history::HistoryController& historyController() { return historyController_; }
  logs::DischargeLog& dischargeLog() { return dischargeLog_; }
  logs::CalibrationLog& calibrationLog() { return calibrationLog_; }
  logs::LogViewer& logViewer() { return logViewer_; }
  dialogs::PendingDialog& dialog() { return dialog_; }
  alerts::BrightnessControl& brightness() { return brightness_; }
  alerts::SystemActions& systemActions() { return actions_; }
  alerts::AlertRules& alertRules() { return alertRules_; }
  alerts::AlertsPage& alertsPage() { return alertsPage_; }
  power::PowerPlans& powerPlans() { return powerPlans_; }
  power::GreenMode& greenMode() { return greenMode_; }
  power::TaskPriority& taskPriority() { return taskPriority_; }
  power::PowerKeys& powerKeys() { return powerKeys_; }
  calibration::Calibration& calibration() { return calibration_; }
  fastdischarge::FastDischarge& fastDischarge() { return fastDischarge_; }
  fastdischarge::FastDischargeOptions& fastDischargeOptions() { return fastDischargeOptions_; }
  calibration::CalibratePageCommands& calibratePage() { return calibratePage_; }
  update::UpdateCheck& updateCheck() { return updateCheck_; }
  // Available after formCreate.
  settings::SettingsStore* settingsStore() { return settingsStore_.get(); }
  settings::SettingsKeys* settingsKeys() { return settingsKeys_.get(); }

  const PlatformServices& services() const { return services_; }
  const PresentationPorts& ports() const { return ports_; }
  // The gadget and the tray menu, or stand-ins that do nothing.
  GadgetPort& gadget() { return ports_.gadget ? *ports_.gadget : noGadget_; }
  TrayMenuPort& trayMenu() { return ports_.trayMenu ? *ports_.trayMenu : noTrayMenu_; }

  // Sets the start-with-the-system entry from `AutoRun`, unless the settings
  // record could not be read and holds defaults in its place.
  void applyAutoRun();
  // Saves the settings record and "launch.txt"; true when both were written
  // (false before formCreate).
  bool saveSettings();
  // After a new gadget size or style: saves the settings, waits briefly for
  // a monitoring update in progress, then lets the gadget re-lay itself out
  // while holding the busy flag.
  void relayoutGadget();

 private:
  friend class BatteryBridge;
  friend class MonitorBridge;
  friend class HealthBridge;
  friend class HistoryBridge;
  friend class SettingsBridge;
  friend class DialogBridge;
  friend class AlertsBridge;
  friend class PowerBridge;
  friend class FastDischargeBridge;
  friend class UpdateBridge;

  // The tray menu's marks of the loaded settings.
  void showTrayMenuChecks();

  PlatformServices services_;
  PresentationPorts ports_;

  // Shared state, owned here for the program's lifetime.
  view::ShownTexts texts_;
  settings::AppSettings settings_;
  battery::SlotTable slots_;
  battery::BatteryRequests requests_;
  battery::BatteryInfo info_;
  battery::LiveStatus live_;
  health::HealthRecord record_;
  std::string dataFolder_;
  bool firstRun_ = false;
  bool autoRunKnown_ = true;
  bool exited_ = false;

  PlainWorkerThreads plainThreads_;
  UnchangedCalibrationPower unchangedCalibrationPower_;
  HiddenParameters hiddenParameters_;
  GadgetPort noGadget_;
  TrayMenuPort noTrayMenu_;
  Bridges bridges_;
  health::DiskValueFiles valueFiles_;

  battery::BatteryAccess battery_;
  monitor::Monitor monitor_;
  health::HealthStore health_;
  health::HealthCommands healthCommands_;
  health::BatteryAdvice advice_;
  HealthJournal healthJournal_;
  history::ChargeHistory history_;
  history::HistoryController historyController_;
  logs::DischargeLog dischargeLog_;
  logs::CalibrationLog calibrationLog_;
  logs::LogViewer logViewer_;
  dialogs::PendingDialog dialog_;
  alerts::BrightnessControl brightness_;
  alerts::SystemActions actions_;
  alerts::AlertRules alertRules_;
  alerts::AlertsPage alertsPage_;
  power::PowerPlans powerPlans_;
  power::GreenMode greenMode_;
  power::TaskPriority taskPriority_;
  power::PowerKeys powerKeys_;
  fastdischarge::FastDischarge fastDischarge_;
  fastdischarge::FastDischargeOptions fastDischargeOptions_;
  calibration::Calibration calibration_;
  calibration::CalibratePageCommands calibratePage_;
  update::UpdateCheck updateCheck_;

  std::unique_ptr<settings::SettingsStore> settingsStore_;
  std::unique_ptr<settings::SettingsKeys> settingsKeys_;
};

}  // namespace voltaro::engine
