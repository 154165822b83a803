// One tick of the program on the simulated machine, through the whole
// engine: the status and estimate requests, the health counters, the texts,
// the change snapshot, the tray hint and icon, the history sample, the
// discharge log and the alerts, over a temporary data folder.
#include <benchmark/benchmark.h>

#include <sstream>

#include "engine/engine.h"
#include "engine/service_set.h"
#include "engine_session.h"
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

// `changing`: the capacity falls every tick, so every tick redraws the gauge,
// rewrites the texts and the hint; otherwise the reading stays the same.
void runTicks(benchmark::State& state, bool changing) {
  platform::sim::VirtualRuntime runtime;
  std::string error;
  const auto services = engine::ServiceSet::create(runtime, engine::ServiceChoice{}, error);
  engine::SimulatedMachine& machine = services->machine();
  machine.driver.setBattery(1, 1001);
  machine.systemTimes.setSteadyLoad(30, 20000);
  QuietTray tray;
  std::ostringstream errorText;
  tools::ConsoleErrors errors(errorText);
  tools::EngineSession session(*services, errors, tools::SessionPorts{&tray, &tray});
  if (session.start() != 0) {
    state.SkipWithError("the engine did not start");
    return;
  }
  engine::Engine& engine = *session.engine();
  engine.settings().GadgetShowCpuUsage = 1;  // the processor sample runs every second tick
  engine.settings().DischargeLog = 1;
  session.enableMonitoring();
  runtime.advance(1250);  // the start and the first tick
  auto& capacity = machine.driver.battery(1).status.capacity;
  for (auto _ : state) {
    if (changing) capacity = capacity > 1000 ? capacity - 37 : 44000;
    runtime.advance(1000);
  }
  state.counters["ticks"] = static_cast<double>(engine.monitor().ticksRun());
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
