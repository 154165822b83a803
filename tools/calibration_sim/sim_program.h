// One run of the program for a simulation: battery access, the monitoring
// cycle, the health store, the calibration log, the plan table, the pending
// dialog, the calibration and the fast discharge, wired together over the
// simulation's ports. A shutdown destroys it; a boot makes a new one on the
// same data folder, as a restart of the computer does.
#pragma once

#include <string>

#include "alerts/brightness_control.h"
#include "battery/battery_access.h"
#include "battery/battery_hooks.h"
#include "calibration/calibrate_page_commands.h"
#include "calibration/calibration.h"
#include "calibration/powercfg_calibration_power.h"
#include "dialogs/pending_dialog.h"
#include "fastdischarge/fast_discharge.h"
#include "fastdischarge/fast_discharge_options.h"
#include "health/health_store.h"
#include "health/value_files.h"
#include "logs/calibration_log.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"
#include "power/power_plans.h"
#include "power/powercfg_tool.h"
#include "sim_ports.h"

namespace voltaro::tools::sim {

struct SimPorts {
  platform::sim::VirtualRuntime& runtime;
  platform::sim::SimBatteryDriver& driver;
  platform::sim::SimDisplay& display;
  Printer& printer;
  PrintingConfirmation& confirmation;
  PrintingParameters& parameters;
  PrintingShell& shell;
  VirtualWorkerClock& workers;
  const settings::AppSettings& settings;  // the settings the program loads at start
  const std::string& dataFolder;
};

class SimProgram;

class SimBatteryHooks : public battery::BatteryHooks {
 public:
  explicit SimBatteryHooks(SimProgram& p) : p_(p) {}
  bool loadhealth(bool full) override;
  bool calibrationRunning() override;
  void calibrationBatteryDischarged() override;
  bool calibrationCompletionMarkerExists() override;
  void recordCompletedCalibration() override;
  void endCalibrationCompleted() override;
  std::string hm(std::uint32_t minutes) override;

 private:
  SimProgram& p_;
};

class SimMonitorHooks : public monitor::MonitorHooks {
 public:
  explicit SimMonitorHooks(SimProgram& p) : p_(p) {}
  void addUsageMinute() override;
  void setChargingMinutes(std::uint32_t minutes) override;
  void setDischargingMinutes(std::uint32_t minutes) override;
  void addFullDischargeHundredth() override;
  bool calibrationRunning() override;
  std::optional<DayTime> fastDischargeStart() override;
  void writeCalibrationClosingRecord() override;

 private:
  SimProgram& p_;
};

class SimHealthHooks : public health::HealthHooks {
 public:
  explicit SimHealthHooks(SimProgram& p) : p_(p) {}
  bool calibrationRunning() override;
  void setCalibrating(bool calibrating) override;
  bool fastDischargeRunning() override;

 private:
  SimProgram& p_;
};

class SimDialogHooks : public dialogs::DialogHooks {
 public:
  explicit SimDialogHooks(SimProgram& p) : p_(p) {}
  void stopFastDischarge() override;
  void requestFastDischargeStart() override;
  void startFastDischarge() override;
  void stopCalibrationWithoutMessage() override;
  bool isOnExternalPower() override;
  void askCalibrationUnplug() override;
  void startCalibrationOnBattery() override;
  void beginCalibration() override;
  void prepareCalibration() override;

 private:
  SimProgram& p_;
};

class SimProgram {
 public:
  explicit SimProgram(const SimPorts& ports);
  ~SimProgram();

  void start();
  // The exit procedure's part that matters here: the workers stop.
  void exit();

  SimPorts ports;
  settings::AppSettings settings;
  view::ShownTexts texts;
  battery::SlotTable slots;
  battery::BatteryRequests requests;
  battery::BatteryInfo info;
  battery::LiveStatus live;
  health::HealthRecord record;

  platform::sim::SimPowerEvents powerEvents;
  platform::sim::SimSystemTimes times{2};
  PrintingStatusLine statusLine{ports.printer};
  PrintingTray tray{ports.printer};
  SilentAudio audio;

  SimBatteryHooks batteryHooks{*this};
  SimMonitorHooks monitorHooks{*this};
  SimHealthHooks healthHooks{*this};
  SimDialogHooks dialogHooks{*this};
  power::PowerHooks powerHooks;
  fastdischarge::FastDischargeHooks fastDischargeHooks;

  health::DiskValueFiles valueFiles;
  health::HealthStore health;
  logs::CalibrationLog log;
  power::PowercfgTool planTool;
  power::PowerPlans plans;
  calibration::PowercfgCalibrationPower calibrationPower;
  dialogs::PendingDialog dialog;
  alerts::BrightnessControl brightness;
  calibration::Calibration calibration;
  fastdischarge::FastDischarge fastDischarge;
  fastdischarge::FastDischargeOptions options;
  calibration::CalibratePageCommands commands;
  battery::BatteryAccess battery;
  monitor::Monitor monitor;
};

}  // namespace voltaro::tools::sim
