// One tick of the whole monitoring cycle on the simulated driver: the status
// and estimate requests, the health counters, the texts, the change snapshot,
// the tray hint and icon, with no-op hooks for the other subsystems.
#include <benchmark/benchmark.h>

#include "monitor/assembly/monitor_assembly.h"
#include "platform/audio.h"
#include "platform/sim/sim_battery_driver.h"
#include "platform/sim/sim_power_events.h"
#include "platform/sim/sim_system_times.h"
#include "platform/sim/virtual_runtime.h"
#include "view/status_line.h"
#include "view/tray_port.h"

namespace {

using namespace voltaro;

class QuietTray : public view::TrayPort, public view::StatusLine {
 public:
  void setHint(const std::string& hint) override { benchmark::DoNotOptimize(hint.data()); }
  void setIcon(int) override {}
  void showBalloon(const std::string&, const std::string&, view::BalloonIcon,
                   std::uint32_t) override {}
  void show(const std::string&) override {}
};

class QuietAudio : public platform::Audio {
 public:
  void play(platform::Clip) override {}
  std::optional<int> masterVolume() override { return std::nullopt; }
  bool setMasterVolume(int) override { return false; }
  bool setMuted(bool) override { return false; }
};

// `changing`: the capacity falls every tick, so every tick redraws the gauge,
// rewrites the texts and the hint; otherwise the reading stays the same.
void runTicks(benchmark::State& state, bool changing) {
  platform::sim::VirtualRuntime runtime;
  platform::sim::SimBatteryDriver driver;
  driver.setBattery(1, 1001);
  platform::sim::SimPowerEvents power;
  platform::sim::SimSystemTimes times(4);
  times.setSteadyLoad(30, 20000);
  QuietAudio audio;
  QuietTray tray;
  monitor::MonitorHooks hooks;
  settings::AppSettings settings;
  settings.GadgetShowCpuUsage = 1;  // the processor sample runs every second tick
  settings.DischargeLog = 1;
  monitor::MonitorAssembly sys(
      monitor::AssemblyPorts{runtime, driver, power, times, audio, tray, tray, hooks}, settings);
  sys.start();
  runtime.advance(1250);  // the start and the first tick
  auto& capacity = driver.battery(1).status.capacity;
  for (auto _ : state) {
    if (changing) capacity = capacity > 1000 ? capacity - 37 : 44000;
    runtime.advance(1000);
  }
  state.counters["ticks"] = static_cast<double>(sys.monitor.ticksRun());
}

void BM_TickSteadyReading(benchmark::State& state) {
  runTicks(state, false);
}
void BM_TickChangingReading(benchmark::State& state) {
  runTicks(state, true);
}

BENCHMARK(BM_TickSteadyReading);
BENCHMARK(BM_TickChangingReading);

}  // namespace
