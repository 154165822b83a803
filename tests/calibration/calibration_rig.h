// The calibration wired to the real battery access, monitoring cycle, health
// store, calibration log, plan table and pending dialog, on the simulated
// battery and virtual time, with a fresh data folder per test.
//
// Timer2 starts monitoring at 250 ms; tick k runs at 250 + 1000 k ms. The
// simulated battery completes each request on the poll after its issue, so a
// status change is seen within two ticks.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "battery/battery_access.h"
#include "battery/battery_hooks.h"
#include "calibration/calibration.h"
#include "calibration/powercfg_calibration_power.h"
#include "dialogs/pending_dialog.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_confirmation.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_parameters.h"
#include "fakes/fake_shell.h"
#include "fakes/fake_tray.h"
#include "fakes/temporary_folder.h"
#include "health/health_store.h"
#include "health/value_files.h"
#include "logs/calibration_log.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "monitor/time_texts.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"
#include "power/power_plans.h"
#include "power/powercfg_tool.h"

namespace voltaro::calibration::testing {

// A plan listing of three plans, the second active.
inline constexpr const char* kThreePlans =
    "Existing Power Schemes (* Active)\r\n"
    "-----------------------------------\r\n"
    "Power Scheme GUID: 381b4222-f694-41f0-9685-ff5bb260df2e  (Balanced)\r\n"
    "Power Scheme GUID: 8c5e7fda-e8bf-4a96-9a85-a6e23a8c635c  (High performance) *\r\n"
    "Power Scheme GUID: a1841308-3541-4fab-bc81-f71556f20b4a  (Power saver)\r\n";

struct Rig;

struct RigBatteryHooks : battery::BatteryHooks {
  explicit RigBatteryHooks(Rig& r) : rig(r) {}
  bool loadhealth(bool full) override;
  bool calibrationRunning() override;
  void calibrationBatteryDischarged() override;
  bool calibrationCompletionMarkerExists() override;
  void recordCompletedCalibration() override;
  void endCalibrationCompleted() override;
  void clearAdviceShown() override;
  std::string hm(std::uint32_t minutes) override { return monitor::hm(minutes); }
  Rig& rig;
};

struct RigMonitorHooks : monitor::MonitorHooks {
  explicit RigMonitorHooks(Rig& r) : rig(r) {}
  void addFullDischargeHundredth() override;
  bool calibrationRunning() override;
  void writeCalibrationClosingRecord() override;
  Rig& rig;
};

struct RigHealthHooks : health::HealthHooks {
  explicit RigHealthHooks(Rig& r) : rig(r) {}
  bool calibrationRunning() override;
  void setCalibrating(bool calibrating) override;
  Rig& rig;
};

struct RigDialogHooks : dialogs::DialogHooks {
  explicit RigDialogHooks(Rig& r) : rig(r) {}
  void stopCalibrationWithoutMessage() override;
  bool isOnExternalPower() override;
  void askCalibrationUnplug() override;
  void startCalibrationOnBattery() override;
  void beginCalibration() override;
  void prepareCalibration() override;
  Rig& rig;
};

struct Rig {
  static constexpr std::uint64_t kStartMs = 250;
  static constexpr std::uint32_t kFull = 45000;  // the simulated battery's full-charged mWh

  explicit Rig(const std::string& folder) : dataFolder(folder) {
    driver.setBattery(1, 1001);
    settings.CalibrationLog = 1;
    shell.output = kThreePlans;
  }

  // --- Driving the battery.
  // Charge level in percent of the full-charged capacity, on battery or on
  // external power (charging below 100 %).
  void setLevel(double percent, bool onPower) {
    auto& status = driver.battery(1).status;
    status.capacity = static_cast<std::uint32_t>(kFull * percent / 100.0 + 0.5);
    if (onPower) {
      status.powerState = platform::kPowerOnLine;
      if (status.capacity < kFull) status.powerState |= platform::kCharging;
      status.rate = 15000;
    } else {
      status.powerState = platform::kDischarging;
      status.rate = -15000;
    }
  }
  void start() {
    battery.createDeviceSet();
    monitor.enableStart();
    runtime.advance(kStartMs);
  }
  void ticks(int count) { runtime.advance(static_cast<std::uint64_t>(count) * 1000); }

  // --- Answering the confirmation dialog as the window does.
  const view::ConfirmationTexts& lastQuestion() const { return confirmation.last().texts; }
  void yes() { dialog.answerYes(); }
  void no() { dialog.answerNo(); }

  std::string text(view::Page page, std::string_view caption) const {
    return texts.get(page, caption);
  }

  // Shared state, as the main window owns it.
  std::string dataFolder;
  settings::AppSettings settings;
  view::ShownTexts texts;
  battery::SlotTable slots;
  battery::BatteryRequests requests;
  battery::BatteryInfo info;
  battery::LiveStatus live;
  health::HealthRecord record;

  // Ports.
  platform::sim::VirtualRuntime runtime;
  platform::sim::SimBatteryDriver driver;
  platform::sim::SimPowerEvents powerEvents;
  platform::sim::SimSystemTimes times{2};
  fakes::FakeAudio audio;
  fakes::FakeTray tray;
  fakes::FakeStatusLine statusLine;
  fakes::FakeErrorReport errors;
  fakes::FakeConfirmation confirmation;
  fakes::FakeParameters parameters;
  fakes::FakeShell shell;

  // Hooks.
  RigBatteryHooks batteryHooks{*this};
  RigMonitorHooks monitorHooks{*this};
  RigHealthHooks healthHooks{*this};
  RigDialogHooks dialogHooks{*this};
  power::PowerHooks powerHooks;

  // Subsystems.
  health::DiskValueFiles valueFiles;
  health::HealthStore health{health::HealthContext{record, info, slots, settings, dataFolder, texts,
                                                   errors, runtime, valueFiles, healthHooks}};
  logs::CalibrationLog log{
      logs::CalibrationLogContext{slots, texts, record, dataFolder, runtime, errors}};
  power::PowercfgTool planTool{shell};
  power::PowerPlans plans{planTool, powerHooks};
  PowercfgCalibrationPower calibrationPower{shell};
  dialogs::PendingDialog dialog{confirmation, runtime, dialogHooks};
  Calibration calibration{CalibrationContext{slots, live, settings, dataFolder, texts, errors,
                                             dialog, parameters, health, log, plans,
                                             calibrationPower}};
  battery::BatteryAccess battery{battery::BatteryContext{
      driver, slots, requests, info, live, settings, texts, tray, audio, runtime, batteryHooks}};
  monitor::Monitor monitor{monitor::MonitorContext{runtime, powerEvents, times, audio, texts, tray,
                                                   statusLine, battery, slots, requests, info, live,
                                                   settings, monitorHooks}};
};

inline bool RigBatteryHooks::loadhealth(bool full) {
  return rig.health.loadhealth(full);
}
inline bool RigBatteryHooks::calibrationRunning() {
  return rig.calibration.calibrating();
}
inline void RigBatteryHooks::calibrationBatteryDischarged() {
  rig.calibration.calibrationBatteryDischarged();
}
inline bool RigBatteryHooks::calibrationCompletionMarkerExists() {
  return rig.calibration.calibrationCompletionMarkerExists();
}
inline void RigBatteryHooks::recordCompletedCalibration() {
  rig.calibration.recordCompletedCalibration();
}
inline void RigBatteryHooks::endCalibrationCompleted() {
  rig.calibration.endCalibrationCompleted();
}
inline void RigBatteryHooks::clearAdviceShown() {
  rig.monitor.clearAdviceShown();
}

inline void RigMonitorHooks::addFullDischargeHundredth() {
  rig.health.addFullDischargeHundredth();
}
inline bool RigMonitorHooks::calibrationRunning() {
  return rig.calibration.calibrating();
}
inline void RigMonitorHooks::writeCalibrationClosingRecord() {
  rig.calibration.writeCapacityReport();
}

inline bool RigHealthHooks::calibrationRunning() {
  return rig.calibration.calibrating();
}
inline void RigHealthHooks::setCalibrating(bool calibrating) {
  rig.calibration.setCalibrating(calibrating);
}

inline void RigDialogHooks::stopCalibrationWithoutMessage() {
  rig.calibration.stopCalibrationWithoutMessage();
}
inline bool RigDialogHooks::isOnExternalPower() {
  return rig.live.onPower;
}
inline void RigDialogHooks::askCalibrationUnplug() {
  rig.calibration.calstart();
}
inline void RigDialogHooks::startCalibrationOnBattery() {
  rig.calibration.instructionsStep();
}
inline void RigDialogHooks::beginCalibration() {
  rig.calibration.beginCalibration();
}
inline void RigDialogHooks::prepareCalibration() {
  rig.calibration.prepareCalibration();
}

// A fresh data folder per test, removed afterwards.
class CalibrationTest : public ::testing::Test {
 protected:
  bool exists(const std::string& name) const { return std::filesystem::exists(folder_ + name); }

  voltaro::testing::TemporaryFolder temporary_;
  std::string folder_ = temporary_.folder();
};

}  // namespace voltaro::calibration::testing
