// The fast discharge with battery access and the monitoring cycle on the
// simulated battery and virtual time, the simulated display behind the
// brightness control, real worker threads and a fresh data folder.
//
// The workers read the fake worker clock, which the rig keeps level with the
// virtual clock whenever it advances.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "alerts/brightness_control.h"
#include "battery/battery_access.h"
#include "battery/battery_hooks.h"
#include "dialogs/pending_dialog.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_confirmation.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_tray.h"
#include "fakes/fake_worker_threads.h"
#include "fakes/temporary_folder.h"
#include "fastdischarge/fast_discharge.h"
#include "fastdischarge/fast_discharge_options.h"
#include "monitor/monitor.h"
#include "monitor/monitor_hooks.h"
#include "monitor/time_texts.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::fastdischarge::testing {

struct FdRig;

struct FdBatteryHooks : battery::BatteryHooks {
  std::string hm(std::uint32_t minutes) override { return monitor::hm(minutes); }
};

struct FdMonitorHooks : monitor::MonitorHooks {
  explicit FdMonitorHooks(FdRig& r) : rig(r) {}
  std::optional<DayTime> fastDischargeStart() override;
  FdRig& rig;
};

struct FdDialogHooks : dialogs::DialogHooks {
  explicit FdDialogHooks(FdRig& r) : rig(r) {}
  void stopFastDischarge() override;
  void requestFastDischargeStart() override;
  void startFastDischarge() override;
  FdRig& rig;
};

struct FdRedraws : FastDischargeHooks {
  void redrawControl(int number) override { controls.push_back(number); }
  std::vector<int> controls;
};

struct FdRig {
  static constexpr std::uint64_t kStartMs = 250;

  explicit FdRig(const std::string& folder) : dataFolder(folder) {
    driver.setBattery(1, 1001);
    driver.battery(1).status = {platform::kDischarging, 30000, 11100, -12000};
    display.supportedLevels = {10, 40, 70, 100};
    display.acLevel = 100;
    display.dcLevel = 40;
  }

  // Monitoring started, brightness control opened, first reading in.
  void start() {
    brightness.initBrightness();
    battery.createDeviceSet();
    monitor.enableStart();
    advance(kStartMs + 3000);
  }
  // Advances virtual time and the workers' clock with it.
  void advance(std::uint64_t milliseconds) {
    runtime.advance(milliseconds);
    threads.setNow(runtime.now());
  }
  // Runs the program's thread in 10 ms steps, each with a real pause of
  // 1 ms, until no worker is left or `realLimit` has passed in real time.
  bool waitForWorkersToEnd(std::chrono::milliseconds realLimit) {
    const auto deadline = std::chrono::steady_clock::now() + realLimit;
    while (process.workersAlive() > 0) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      advance(10);
    }
    return true;
  }
  void startWithYes() {
    process.fastDischargeCommand();
    dialog.answerYes();
  }
  std::string text(std::string_view caption) const {
    return texts.get(view::Page::Calibrate, caption);
  }
  int discFilesLeft() const {
    int count = 0;
    for (int n = 0; n < kDiscFileCount; ++n) {
      if (std::filesystem::exists(dataFolder + "test/" + std::to_string(n) + ".bin")) ++count;
    }
    return count;
  }

  std::string dataFolder;
  settings::AppSettings settings;
  view::ShownTexts texts;
  battery::SlotTable slots;
  battery::BatteryRequests requests;
  battery::BatteryInfo info;
  battery::LiveStatus live;

  platform::sim::VirtualRuntime runtime;
  fakes::FakeWorkerThreads threads{runtime.now()};
  platform::sim::SimBatteryDriver driver;
  platform::sim::SimPowerEvents powerEvents;
  platform::sim::SimSystemTimes times{2};
  platform::sim::SimDisplay display;
  fakes::FakeAudio audio;
  fakes::FakeTray tray;
  fakes::FakeStatusLine statusLine;
  fakes::FakeConfirmation confirmation;

  FdBatteryHooks batteryHooks;
  FdMonitorHooks monitorHooks{*this};
  FdDialogHooks dialogHooks{*this};
  FdRedraws redraws;

  alerts::BrightnessControl brightness{display, audio, runtime, settings, texts};
  dialogs::PendingDialog dialog{confirmation, runtime, dialogHooks};
  battery::BatteryAccess battery{battery::BatteryContext{
      driver, slots, requests, info, live, settings, texts, tray, audio, runtime, batteryHooks}};
  monitor::Monitor monitor{monitor::MonitorContext{runtime, powerEvents, times, audio, texts, tray,
                                                   statusLine, battery, slots, requests, info, live,
                                                   settings, monitorHooks}};
  FastDischarge process{FastDischargeContext{runtime, threads, brightness, settings, live,
                                             dataFolder, texts, dialog}};
  FastDischargeOptions options{process, brightness, settings, audio, texts, redraws};
};

inline std::optional<DayTime> FdMonitorHooks::fastDischargeStart() {
  return rig.process.fastDischargeStart();
}
inline void FdDialogHooks::stopFastDischarge() {
  rig.process.stopFastDischarge();
}
inline void FdDialogHooks::requestFastDischargeStart() {
  rig.process.fastDischargeCommand();
}
inline void FdDialogHooks::startFastDischarge() {
  rig.process.startFastDischarge();
}

class FastDischargeTest : public ::testing::Test {
 protected:
  void TearDown() override { rig.process.shutdown(); }

  voltaro::testing::TemporaryFolder temporary_;
  std::string folder_ = temporary_.folder();
  FdRig rig{folder_};
};

}  // namespace voltaro::fastdischarge::testing
