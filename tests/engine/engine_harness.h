// The whole engine on virtual time: the service set's simulated machine
// (a bare one: no brightness control, no power plans), recording fakes of
// the sound, the folders and every window port, over a temporary Documents
// folder. Tests drive it tick by tick.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine/window_port.h"
#include "fakes/fake_advice.h"
#include "fakes/fake_audio.h"
#include "fakes/fake_confirmation.h"
#include "fakes/fake_error_box.h"
#include "fakes/fake_error_report.h"
#include "fakes/fake_file_dialog.h"
#include "fakes/fake_folders.h"
#include "fakes/fake_tray.h"
#include "fakes/temporary_folder.h"
#include "history/graph_port.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_display.h"
#include "platform/sim/sim_power.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"

namespace voltaro::testing {

struct CountingGraph : history::GraphPort {
  void drawAxes() override { ++axes; }
  void redraw() override { ++redraws; }
  int axes = 0;
  int redraws = 0;
};

struct RecordingWindow : engine::WindowPort {
  void quit() override { ++quits; }
  void drawgauge() override { ++gauges; }
  void setAutoRun(bool on) override { autoRun = on; }
  void redrawControl(int number) override { redrawn.push_back(number); }
  void redrawPriorityRadios() override { ++priorityRedraws; }
  bool homePageVisible() override { return homeShown; }
  bool homeShown = false;
  int quits = 0;
  int gauges = 0;
  bool autoRun = false;
  std::vector<int> redrawn;  // control numbers, in order
  int priorityRedraws = 0;
};

// The service set's simulated machine made bare (no brightness control, no
// power plans), with the test's sound and folders.
std::unique_ptr<engine::ServiceSet> bareSimulatedServices(platform::Runtime& runtime,
                                                          fakes::FakeAudio& audio,
                                                          fakes::FakeFolders& folders);

class EngineHarness {
 public:
  // A battery in slot 1 (designed 50,000 mWh, full 45,000) discharging
  // 30,000 mWh at 12,000 mW; the Documents folder is `documents`.
  explicit EngineHarness(const std::filesystem::path& documents);

  // Creates the engine and runs its start-up; returns formCreate's status.
  int create();
  // Lets monitoring start and runs `seconds` of virtual time.
  void startAndRun(int seconds);
  void run(int seconds) { runtime.advance(static_cast<std::uint64_t>(seconds) * 1000); }

  engine::Engine& engine() { return *engine_; }
  const std::string& left(const char* caption) const;
  std::string dataFile(const std::string& name) const;

  platform::sim::VirtualRuntime runtime;
  fakes::FakeAudio audio;
  fakes::FakeFolders folders;
  std::unique_ptr<engine::ServiceSet> services;
  platform::sim::SimBatteryDriver& driver;
  // Another backend (a fake sysfs tree) for the engine, set before create();
  // nullptr runs on the simulated driver.
  platform::BatteryDriver* batteryDriver = nullptr;
  platform::sim::SimPowerEvents& powerEvents;
  platform::sim::SimSystemTimes& systemTimes;
  platform::sim::SimDisplay& display;
  platform::sim::SimPower& power;
  platform::sim::SimPowerPlanTool& planTool;
  platform::sim::SimShell& shell;
  fakes::FakeTray tray;
  fakes::FakeStatusLine statusLine;
  fakes::FakeErrorReport errors;
  fakes::FakeErrorBox errorBox;
  fakes::FakeConfirmation confirmation;
  fakes::FakeAdvice advice;
  fakes::FakeFileDialog fileDialogs;
  CountingGraph graph;
  RecordingWindow window;
  // Optional ports, set before create().
  engine::GadgetPort* gadget = nullptr;
  engine::TrayMenuPort* trayMenu = nullptr;
  calibration::CalibrationPower* calibrationPower = nullptr;

 private:
  std::unique_ptr<engine::Engine> engine_;
};

}  // namespace voltaro::testing
